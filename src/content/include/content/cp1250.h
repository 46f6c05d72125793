#pragma once
// The content tables are Windows-1250 text; they are decoded once at load.
#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>

namespace ejteto {

QString decodeCp1250(QByteArrayView bytes);
// Nothing when the text holds a character the code page cannot express.
std::optional<QByteArray> encodeCp1250(const QString& text);

} // namespace ejteto
