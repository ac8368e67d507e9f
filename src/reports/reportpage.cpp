#include "reportpage.h"

#include <algorithm>

bool ReportPage::contains(const QString& name) const
{
    return std::any_of(m_elements.begin(), m_elements.end(),
                       [&](const ReportElement& e) { return elementName(e) == name; });
}
