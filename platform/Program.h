#pragma once
#include <QString>
#include <functional>

namespace platform {

// The folder of the executable, without a trailing separator; tests point it elsewhere.
QString programFolder();
void setProgramFolder(const QString& folder);

// Ends the program at once (no window's close handler runs).
void endProgram();
void setEndProgramHandler(std::function<void()> handler);

} // namespace platform
