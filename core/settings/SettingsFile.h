#pragma once
// A game's settings file in the program folder: opened at load (written first from the game's
// defaults when it cannot be opened), written whole on closing, and the player's message when that
// write failed.
#include "platform/ItemReader.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>

namespace settingsfile {

// Opens appFile(fileName); when it cannot be opened, calls `writeDefaults` and opens it again.
// Nothing when even that fails.
std::optional<platform::ItemReader> OpenOrCreate(const QString& fileName, const std::function<void()>& writeDefaults);

// Writes appFile(fileName) whole (temporary file renamed over the old one); false when it could not.
bool WriteWhole(const QString& fileName, const QByteArray& contents);

// "Unable to save your options in <path>. The options you changed will not be kept."
QString NotSavedMessage(const QString& fileName);

} // namespace settingsfile
