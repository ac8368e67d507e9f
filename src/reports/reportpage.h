#pragma once

#include "pagesetup.h"
#include "reportelements.h"

#include <stdexcept>
#include <vector>

// One report page: its set-up and the elements of its title band, in drawing
// order (earlier elements lie under later ones). A plain value, so a preview
// keeps the page as it was produced while the form is filled anew.
class ReportPage
{
public:
    explicit ReportPage(const PageSetup& setup = {}) : m_setup(setup) {}

    PageSetup& setup() { return m_setup; }
    const PageSetup& setup() const { return m_setup; }

    template <class Element> Element& add(Element element)
    {
        m_elements.emplace_back(std::move(element));
        return std::get<Element>(m_elements.back());
    }

    // The element of that name and kind; asking for one the page does not
    // have is a programming error and throws.
    template <class Element> Element& element(const QString& name)
    {
        return const_cast<Element&>(std::as_const(*this).element<Element>(name));
    }
    template <class Element> const Element& element(const QString& name) const
    {
        for (const ReportElement& candidate : m_elements) {
            if (const auto* found = std::get_if<Element>(&candidate); found && found->name == name)
                return *found;
        }
        throw std::out_of_range("no report element " + name.toStdString());
    }
    TextLabel& label(const QString& name) { return element<TextLabel>(name); }
    const TextLabel& label(const QString& name) const { return element<TextLabel>(name); }

    bool contains(const QString& name) const;
    const std::vector<ReportElement>& elements() const { return m_elements; }

private:
    PageSetup m_setup;
    std::vector<ReportElement> m_elements;
};
