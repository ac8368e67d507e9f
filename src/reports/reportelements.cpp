#include "reportelements.h"

const QString& elementName(const ReportElement& element)
{
    return std::visit([](const auto& e) -> const QString& { return e.name; }, element);
}

bool isEnabled(const ReportElement& element)
{
    return std::visit([](const auto& e) { return e.enabled; }, element);
}
