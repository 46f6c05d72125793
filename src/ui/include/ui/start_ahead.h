#pragma once
// Work that creating the main window will need, begun on a helper thread
// while the application object starts up (which mostly waits on the window
// system): reading the font configuration and decoding the pictures the
// start-up sequence loads. The window still loads and checks everything
// itself, in its own order; it only finds the work done.
#include <thread>

namespace ejteto {

class StartAhead {
public:
    StartAhead();
    ~StartAhead(); // waits for the helper
    StartAhead(const StartAhead&) = delete;
    StartAhead& operator=(const StartAhead&) = delete;

private:
    std::thread helper_;
};

} // namespace ejteto
