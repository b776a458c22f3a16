#pragma once
#include <string>

// Writes the suite's background tune, a light piece of about 45 seconds, as a Standard MIDI File.
bool writeTune(const std::string& path);
