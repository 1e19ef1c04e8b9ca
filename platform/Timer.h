#pragma once

#include <functional>
#include <memory>
#include <string>

// Raises Action after Period milliseconds, once or again and again. Its
// action comes from the event loop, never from inside a handler that gives
// the loop a turn.
class Timer {
public:
    enum class Mode { Off, Single, Multiple };

    explicit Timer(std::string name);
    ~Timer();
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    const std::string& Name() const { return name_; }

    // Setting Single or Multiple starts the count from now; Off stops it.
    void SetMode(Mode mode);
    // A running timer starts its count again with the new period.
    void SetPeriod(int milliseconds);

    std::function<void()> Action;

private:
    void restart();

    struct Private;
    std::unique_ptr<Private> d;
    std::string name_;
    Mode mode_ = Mode::Off;
    int period_ = 1000;
};
