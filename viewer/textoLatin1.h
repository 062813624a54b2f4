// The bitmap font and PDF text are indexed by Latin-1 codes; the program's
// texts are UTF-8 (the reply about invalid bar lists has an accent).
#pragma once

#include <string>

// Two-byte UTF-8 sequences of Latin-1 letters become their single code;
// other sequences pass unchanged.
std::string aLatin1(const std::string& texto);
