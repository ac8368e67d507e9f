#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <optional>

// The job file: one value per line, 67 lines in a fixed order, windows-1250
// text with CR LF. Nothing here touches a window, so the format can be checked
// on its own.
namespace JobFile {

constexpr int lineCount = 67;

// Line numbers that carry something other than plain text.
constexpr int copiesLine = 22; // item index of the number of copies
constexpr int dateLine = 67;   // date of the covers' acknowledgement block

// How a field's value is written to its line.
enum class Encoding
{
    Text,  // the control's text exactly as shown
    Index, // the item index of the number-of-copies list as a decimal integer
    YesNo, // the check box's caption, "ANO" or "NE"
    Date   // d.M.yyyy
};

// The GP number with every "/" turned into "-"; everything else, spaces
// included, is kept. The file system allows no "/" in a name.
QString baseName(const QString& gpNumber);
// Base name followed by ".zpm"; empty for an empty GP number, which gives no file.
QString fileName(const QString& gpNumber);

// The number-of-copies list is part of the format: the file stores the item
// index, so the list keeps exactly this order. Index 0 is the empty entry,
// 1 to 15 are "0" to "14", 16 to 50 are "16" to "50"; there is no "15".
constexpr int copiesCount = 51;
QStringList copiesEntries();
// The entry at an index; empty for the empty entry and for nothing chosen.
QString copiesEntry(int index);
// The index to select for a stored index: outside 0 to 50 nothing is chosen (-1).
int copiesSelection(int storedIndex);

QString formatIndex(int index);
// Line 22 must be a whole decimal integer; anything else (an empty line
// included) is no value.
std::optional<int> parseIndex(const QString& line);

// A stored caption ticks its box unless it is exactly "NE".
bool ticks(const QString& caption);

QString formatDate(const QDate& date);
// d.M.yyyy with or without leading zeros, as the earlier program wrote it.
std::optional<QDate> parseDate(const QString& line);

// The lines of one job on their way to or from a file.
class Lines
{
public:
    Lines() = default;
    explicit Lines(QStringList lines) : m_lines(std::move(lines)) {}

    void clear() { m_lines.clear(); }
    void append(const QString& line) { m_lines.append(line); }
    // Line n counts from 1; a line the file does not have reads as empty.
    QString line(int n) const;
    const QStringList& all() const { return m_lines; }
    int size() const { return int(m_lines.size()); }

    // Throws CommandError "Cannot open file ..." when the file cannot be read.
    static Lines load(const QString& path);
    // Replaces the file as a whole or leaves the old one untouched; throws
    // CommandError "Cannot create file ..." on failure.
    void write(const QString& path) const;

private:
    QStringList m_lines;
};

} // namespace JobFile
