// The recent-file list recent.txt: one full path and CR LF per opened file, oldest first,
// never de-duplicated, reordered or trimmed.
#pragma once

#include <string>
#include <vector>

// Adds the path to the list that Open, Save As and the examples add to: reads the whole file (a
// missing or unreadable one as no bytes), adds the path and CR LF and writes the result back
// over it. A file that cannot be written is left as it is, unreported.
void AddRecentFile(const std::string& path);

// The entries of the list's text: every piece before a CR LF (empty ones included), and the
// text after the last CR LF when there is any.
std::vector<std::string> SplitRecentEntries(const std::string& text);

// What follows the entry's last '/' (the whole entry when it has none).
std::string RecentFileName(const std::string& entry);
