// The X server of the test runs now and then resets a new connection right
// after its handshake (about one in a hundred, unrelated to load); glutInit
// then ends the whole process. Test programs that draw link this file, whose
// XOpenDisplay stands in front of the library's and tries again.
#pragma once

// Whether the display takes a connection (with the same retries).
bool pantallaAcepta();
