#pragma once
// What the builder last wrote: for every output file the key of the inputs
// it was made from. An output whose file exists and whose key is unchanged
// is not made again.
#include <QByteArray>
#include <QMap>
#include <QString>

namespace ejteto::contentkit {

class BuildManifest {
public:
    // A missing or unreadable manifest is an empty one: everything is built.
    static BuildManifest load(const QString& path);
    void save(const QString& path) const;

    // True when `rel` (inside `outDir`) exists and was made from `key`.
    bool isCurrent(const QString& outDir, const QString& rel, const QByteArray& key) const;
    void record(const QString& rel, const QByteArray& key) { keys_.insert(rel, key); }

    // A short stable digest of `parts` joined, for use as a key.
    static QByteArray keyOf(const QStringList& parts);

private:
    QMap<QString, QByteArray> keys_;
};

} // namespace ejteto::contentkit
