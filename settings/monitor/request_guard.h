#pragma once

// Marks a request of the monitor as running for its lifetime and restores the mark after,
// so that a box shown inside the request, whose event loop runs further ticks, does not
// start another request.
class request_guard
{
public:
    explicit request_guard(bool &running)
        : running(running)
        , previous(running)
    {
        running = true;
    }
    ~request_guard() { running = previous; }

    request_guard(const request_guard &) = delete;
    request_guard &operator=(const request_guard &) = delete;

private:
    bool &running;
    bool previous;
};
