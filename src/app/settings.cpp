#include "app/settings.h"

#include "app/app_error.h"
#include "app/int_conversion.h"
#include "app/regular_file.h"
#include "app/settings_save.h"

#include <QList>

namespace ejteto {

namespace {

// One line of the file: where it starts, where its text ends and where the
// next line starts (after the line break).
struct LineSpan {
    qsizetype begin, end, next;
};

QList<LineSpan> splitLines(const QByteArray& c)
{
    QList<LineSpan> lines;
    qsizetype i = 0;
    while (i < c.size()) {
        qsizetype e = i;
        while (e < c.size() && c[e] != '\n' && c[e] != '\r')
            ++e;
        qsizetype next = e;
        if (next < c.size())
            next += (c[e] == '\r' && e + 1 < c.size() && c[e + 1] == '\n') ? 2 : 1;
        lines.append({i, e, next});
        i = next;
    }
    return lines;
}

QByteArray trimBlanks(const QByteArray& s) { return s.trimmed(); }

// The section name when the line is a section header, else nothing.
std::optional<QByteArray> sectionName(const QByteArray& line)
{
    const QByteArray t = trimBlanks(line);
    if (!t.startsWith('['))
        return std::nullopt;
    const qsizetype close = t.indexOf(']');
    return trimBlanks(close < 0 ? t.mid(1) : t.mid(1, close - 1));
}

bool sameName(const QByteArray& a, const QString& b)
{
    return QString::fromLatin1(a).compare(b, Qt::CaseInsensitive) == 0;
}

struct KeyLocation {
    qsizetype valueBegin = -1, valueEnd = -1; // the value text after "="
    qsizetype sectionEnd = -1;                // end of the section's last non-empty line
    bool sectionFound = false;
};

KeyLocation locate(const QByteArray& c, const QString& section, const QString& key)
{
    KeyLocation loc;
    bool inSection = false;
    for (const LineSpan& l : splitLines(c)) {
        const QByteArray line = c.mid(l.begin, l.end - l.begin);
        if (auto name = sectionName(line)) {
            if (loc.sectionFound && inSection)
                break; // only the first matching section counts
            inSection = sameName(*name, section);
            if (inSection) {
                loc.sectionFound = true;
                loc.sectionEnd = l.end;
            }
            continue;
        }
        if (!inSection)
            continue;
        if (!trimBlanks(line).isEmpty())
            loc.sectionEnd = l.end;
        const qsizetype eq = line.indexOf('=');
        if (eq < 0 || !sameName(trimBlanks(line.left(eq)), key))
            continue;
        loc.valueBegin = l.begin + eq + 1;
        loc.valueEnd = l.end;
        return loc;
    }
    return loc;
}

QByteArray lineBreakOf(const QByteArray& c)
{
    if (c.contains("\r\n"))
        return "\r\n";
    if (c.contains('\r') && !c.contains('\n'))
        return "\r";
    return "\n";
}

} // namespace

std::optional<QString> iniValue(const QByteArray& content, const QString& section, const QString& key)
{
    const KeyLocation loc = locate(content, section, key);
    if (loc.valueBegin < 0)
        return std::nullopt;
    QByteArray v = trimBlanks(content.mid(loc.valueBegin, loc.valueEnd - loc.valueBegin));
    if (v.size() >= 2 && ((v.front() == '"' && v.back() == '"') || (v.front() == '\'' && v.back() == '\'')))
        v = v.mid(1, v.size() - 2);
    return QString::fromLatin1(v);
}

QByteArray iniWithValue(const QByteArray& content, const QString& section, const QString& key,
                        const QString& value)
{
    const KeyLocation loc = locate(content, section, key);
    const QByteArray v = value.toLatin1();
    QByteArray out = content;
    if (loc.valueBegin >= 0)
        return out.replace(loc.valueBegin, loc.valueEnd - loc.valueBegin, v);

    const QByteArray br = lineBreakOf(content);
    const QByteArray keyLine = key.toLatin1() + '=' + v;
    if (loc.sectionFound)
        return out.insert(loc.sectionEnd, br + keyLine);

    if (!out.isEmpty() && !out.endsWith('\n') && !out.endsWith('\r'))
        out += br;
    return out + '[' + section.toLatin1() + ']' + br + keyLine + br;
}

int32_t readLevel(const QString& iniPath)
{
    // Anything but a regular settings file of sane size (missing, a folder,
    // a FIFO, a device, unreadable, huge) reads as no settings, at once.
    const FileRead ini = readRegularFile(iniPath, kMaxSettingsBytes);
    if (!ini.bytes)
        return 0;
    const auto text = iniValue(*ini.bytes, QStringLiteral("User"), QStringLiteral("Level"));
    if (!text)
        return 0;
    return parseStrictInt(*text).value_or(0);
}

void writeLevel(const QString& iniPath, int32_t level, const QString& recoveryDir)
{
    // The rest of the file is kept, so it must be read whole first; a file
    // that cannot be read as settings (a FIFO, a device, a huge file) is
    // left alone rather than replaced.
    const auto withLevel = [level](const std::optional<QByteArray>& old) -> std::optional<QByteArray> {
        QByteArray updated = iniWithValue(old.value_or(QByteArray()), QStringLiteral("User"), QStringLiteral("Level"),
                                          QString::number(level));
        if (old && updated == *old)
            return std::nullopt; // nothing changed: a read-only installation can still be left
        return updated;
    };
    if (!saveSettingsFile(iniPath, withLevel, recoveryDir))
        throw settingsWriteError(iniPath);
}

} // namespace ejteto
