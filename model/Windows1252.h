// Conversion between text and the Windows-1252 code page of scorecard files.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace Windows1252 {

// Characters the code page cannot hold become "?"; `lossy` tells whether any did.
QByteArray encode(const QString &text, bool *lossy = nullptr);
bool canEncode(const QString &text);
QString decode(QByteArrayView bytes);

} // namespace Windows1252
