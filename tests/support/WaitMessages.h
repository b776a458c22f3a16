#pragma once
// Windows show their messages during blocking waits; tests read them from what each wait recorded.
#include <QString>
#include <vector>

// The messages visible at the recorded waits, each once in a row. A snapshot has `message` and
// `messageVisible`.
template <class Snapshot>
std::vector<QString> messagesShownAt(const std::vector<Snapshot>& waits)
{
    std::vector<QString> shown;
    for (const Snapshot& s : waits)
        if (s.messageVisible && (shown.empty() || shown.back() != s.message))
            shown.push_back(s.message);
    return shown;
}
