#pragma once

class QProgressBar;

// The progress bar that Save fills in steps of 10. The count goes on beyond
// the bar's end, which then stays full; a Save that fails leaves the count
// where it stopped, and the next Save that succeeds carries on from there.
class SaveProgress
{
public:
    explicit SaveProgress(QProgressBar* bar) : m_bar(bar) {}

    static constexpr int step = 10;

    void advance();
    void reset();
    int count() const { return m_count; }

private:
    void show();

    QProgressBar* m_bar;
    int m_count = 0;
};
