#pragma once
// Tests compare written files byte for byte; a missing file reads as no bytes.
#include <QByteArray>
#include <QString>

QByteArray readBytes(const QString& path);
