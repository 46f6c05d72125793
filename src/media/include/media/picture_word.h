#pragma once
// The word a picture shows, as the course builder records it in the JPEG's
// comment ("Word: sheep"): the tiles print their lecture's key word, which
// the tables do not hold.
#include <QByteArrayView>
#include <QString>

namespace ejteto {

// The recorded word of JPEG bytes; empty when the picture records none or
// is not a JPEG. Only the markers before the image data are read.
QString pictureWord(QByteArrayView jpeg);

// The same for the file at `path`; empty when it cannot be read.
QString pictureWordOfFile(const QString& path);

} // namespace ejteto
