#include "contentkit/build_manifest.h"

#include "contentkit/file_output.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace ejteto::contentkit {

BuildManifest BuildManifest::load(const QString& path)
{
    BuildManifest m;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return m;
    while (!f.atEnd()) {
        const QByteArray line = f.readLine().trimmed();
        const qsizetype tab = line.indexOf('\t');
        if (tab > 0)
            m.keys_.insert(QString::fromUtf8(line.mid(tab + 1)), line.left(tab));
    }
    return m;
}

void BuildManifest::save(const QString& path) const
{
    QByteArray out;
    for (auto it = keys_.cbegin(); it != keys_.cend(); ++it)
        out += it.value() + '\t' + it.key().toUtf8() + '\n';
    writeFileAtomically(path, out);
}

bool BuildManifest::isCurrent(const QString& outDir, const QString& rel, const QByteArray& key) const
{
    return keys_.value(rel) == key && QFileInfo(QDir(outDir).filePath(rel)).isFile();
}

QByteArray BuildManifest::keyOf(const QStringList& parts)
{
    return QCryptographicHash::hash(parts.join(QChar(0x1F)).toUtf8(), QCryptographicHash::Sha1).toHex();
}

} // namespace ejteto::contentkit
