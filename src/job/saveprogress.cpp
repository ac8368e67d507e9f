#include "saveprogress.h"

#include <QProgressBar>
#include <algorithm>

void SaveProgress::advance()
{
    m_count += step;
    show();
}

void SaveProgress::reset()
{
    m_count = 0;
    show();
}

void SaveProgress::show()
{
    // QProgressBar ignores values beyond its range instead of showing it full.
    m_bar->setValue(std::clamp(m_count, m_bar->minimum(), m_bar->maximum()));
    // Save runs without returning to the event loop; draw each step now.
    m_bar->repaint();
}
