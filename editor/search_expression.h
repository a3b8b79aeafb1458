// The component's own regular expressions (a search with SCFIND_REGEXP and without
// SCFIND_POSIX): whether it can compile one. It answers an expression it cannot compile as it
// answers one that finds nothing, so a search alone cannot tell a typing mistake from no hits.
#pragma once

#include <string_view>

// The expression as the component gets it (UTF-8 bytes). A case-blind search keeps a letter as
// a set of its two cases, which makes the compiled form longer than a case-sensitive one.
bool SearchExpressionCompiles(std::string_view expression, bool matchCase);
