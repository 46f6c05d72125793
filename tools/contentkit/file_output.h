#pragma once
// Writing an output file whole: into a temporary beside it, then renamed, so
// an interrupted build never leaves half a file that looks finished.
#include <QByteArray>
#include <QString>

namespace ejteto::contentkit {

// Creates missing parent folders; raises AppError on failure.
void writeFileAtomically(const QString& path, const QByteArray& bytes);

} // namespace ejteto::contentkit
