#!/usr/bin/env bash
# ./build.sh run   set up, build and start the program (in media/, where its files are)
# ./build.sh test  set up, build the program and the web page and run every test, also under
#                  the sanitizers and fuzzers
# ./build.sh package  set up, build a release tree for /usr and make mogran_2.01.2_amd64.deb here
# ./build.sh web [PORT]  set up, build the web page into build-web/site and serve it at
#                        http://127.0.0.1:PORT/ (default 8080) until Ctrl+C
# ./build.sh model  set up, build the trainer and remake handwriting/model/digits.model from
#                   handwriting/data (deterministic: the same bytes every time)
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
cd "$here"
jobs="$(nproc 2>/dev/null || echo 2)"

configure_and_build() {  # dir, extra cmake args...
    local dir="$1"; shift
    cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-RelWithDebInfo}" "$@" >/dev/null
    cmake --build "$dir" -j "$jobs"
}

build_site() {  # the web page: the core in WebAssembly and the page's files, in build-web/site
    # Debian's emscripten runs on node and finds the node modules it needs there.
    NODE_PATH=/usr/share/nodejs emcmake cmake -S . -B build-web -G Ninja \
        -DCMAKE_BUILD_TYPE=Release >/dev/null
    NODE_PATH=/usr/share/nodejs cmake --build build-web -j "$jobs"
}

run_tests() {  # dir
    ctest --test-dir "$1" --output-on-failure -j "$jobs" --timeout 600
}

case "${1:-}" in
    run)
        bash scripts/setup.sh
        configure_and_build build -DMOGRAN_WITH_TESTS=OFF -DMOGRAN_WITH_BENCH=OFF
        cd media
        exec "$here/build/app/mogran"
        ;;
    test)
        bash scripts/setup.sh
        echo "== build the web page"
        build_site
        echo "== build and test, the web page in the browser too"
        configure_and_build build -DMOGRAN_WEB_SITE="$here/build-web/site"
        run_tests build
        echo "== build and test under AddressSanitizer and UndefinedBehaviorSanitizer"
        configure_and_build build-sanitize -DMOGRAN_SANITIZE=ON -DMOGRAN_WITH_BENCH=OFF -DCMAKE_BUILD_TYPE=Debug
        ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
            LSAN_OPTIONS="suppressions=$here/tests/lsan.supp" run_tests build-sanitize
        echo "== fuzz"
        CC=clang CXX=clang++ configure_and_build build-fuzz -DMOGRAN_FUZZ=ON -DMOGRAN_WITH_QT=OFF \
            -DMOGRAN_WITH_TESTS=OFF -DMOGRAN_WITH_BENCH=OFF
        bash scripts/run-fuzzers.sh build-fuzz
        ;;
    package)
        bash scripts/setup.sh
        CXXFLAGS="-D_FORTIFY_SOURCE=2" BUILD_TYPE=Release configure_and_build build-package \
            -DCMAKE_INSTALL_PREFIX=/usr -DMOGRAN_WITH_TESTS=OFF -DMOGRAN_WITH_BENCH=OFF \
            -DCMAKE_EXE_LINKER_FLAGS="-Wl,-z,relro,-z,now"
        cpack --config build-package/CPackConfig.cmake -B build-package/deb
        cp build-package/deb/mogran_2.01.2_amd64.deb .
        lintian mogran_2.01.2_amd64.deb
        echo "made $here/mogran_2.01.2_amd64.deb; install it with: sudo apt install ./mogran_2.01.2_amd64.deb"
        ;;
    web)
        port="${2:-8080}"
        if ! [[ "$port" =~ ^[0-9]+$ ]]; then
            echo "usage: ./build.sh web [PORT]" >&2
            exit 2
        fi
        bash scripts/setup.sh
        build_site
        exec /usr/bin/python3 scripts/serve_site.py build-web/site "$port"
        ;;
    model)
        bash scripts/setup.sh
        cmake -S . -B build-model -G Ninja -DCMAKE_BUILD_TYPE=Release -DMOGRAN_WITH_QT=OFF \
            -DMOGRAN_WITH_TESTS=OFF -DMOGRAN_WITH_BENCH=OFF >/dev/null
        cmake --build build-model -j "$jobs" --target train-digits
        exec build-model/handwriting/train-digits handwriting/data/pendigits-orig.tra \
            handwriting/model/digits.model
        ;;
    *)
        echo "usage: ./build.sh run | ./build.sh test | ./build.sh package | ./build.sh web [PORT] | ./build.sh model" >&2
        exit 2
        ;;
esac
