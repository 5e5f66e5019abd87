#pragma once

#include <thread>

namespace mogran {

// Reading the system's font configuration and listing its faces into the toolkit's font
// database take much of the start-up, and the window needs both before it lays out its first
// line of text. They are done on other threads while the toolkit connects to the display and
// the window makes its native window and pictures. Whatever a thread has not finished when
// it is needed, the toolkit does itself, as it would without them.
class FontPreparation {
public:
    // Starts reading the font configuration: before the application object is made.
    FontPreparation();
    // Starts listing the faces: once the application object is made.
    void ListFaces();
    // Waits for the threads.
    ~FontPreparation();

    FontPreparation(const FontPreparation&) = delete;
    FontPreparation& operator=(const FontPreparation&) = delete;

private:
    std::thread configuration_;
    std::thread faces_;
};

}  // namespace mogran
