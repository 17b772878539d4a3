#pragma once

// Time. The clock is monotonic and advances in the platform's steps (a 1/64 s tick on Windows);
// waits measure with it. localTime is the wall clock, for dates.

struct LocalTime {
    int year = 2000;
    int month = 1; // 1..12
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
    int weekday = 0; // 0 is Sunday
};

class Clock {
  public:
    virtual ~Clock() = default;

    virtual void sleepMs(unsigned ms) = 0;
    virtual double clockSeconds() = 0;
    virtual LocalTime localTime() = 0;
};
