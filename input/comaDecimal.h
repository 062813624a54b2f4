// A number written with a decimal comma ("2,1e7", "-0,3"), as many
// Spanish-speaking users type it. The reader does not accept it as a number
// (its tables and lists end there, as before); it only names it in a
// warning with the spelling that the reader does accept.
#pragma once

#include <string>

// True for an optional sign, digits, one comma, digits and an optional
// exponent (e or E, optional sign, digits): "2,1e7", "-0,3", "15,50".
bool usaComaDecimal(const std::string& token);

// The same token with a decimal point and a lowercase exponent letter, as
// the reader reads numbers: "2,1E7" gives "2.1e7".
std::string conPuntoDecimal(const std::string& token);
