#pragma once
// Ktx_Timer: an accumulating stop watch. start() begins a lap, end() adds the lap's seconds
// to the total and counts it. start() while running restarts the lap; end() while stopped
// does nothing. Times come from the Core library's steady clock (settable in tests).
class Ktx_Timer {
  public:
    void start();
    void end();
    // Total seconds of all ended laps.
    double totalSeconds() const { return total_; }
    // Number of ended laps.
    int count() const { return count_; }
    bool isRunning() const { return running_; }
    void reset();

  private:
    double lapStart_ = 0.0;
    double total_ = 0.0;
    int count_ = 0;
    bool running_ = false;
};
