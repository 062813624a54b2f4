// "vigilar": while on, the input file is looked at twice a second; once a
// change of its modification time or size has stood still for 0.3 s, the
// model is reloaded exactly as F5 does. A file that disappears or cannot be
// read gives the reader's usual warning once and its reason on the message
// line, the watch goes on, the model shown stays, and the file is reloaded
// when it is back.
#pragma once

// Milliseconds between two looks at the file, and seconds a change must
// stand still before it is taken.
const int intervaloVigilanciaMs = 500;
const double esperaQuietud = 0.3;

// Turns the watch on or off; gives the new state. Turning it on takes the
// file as it is now as the one loaded.
bool alternarVigilancia();
bool vigilanciaActiva();

// The file as it is now is the one loaded (every reload says so).
void anotarArchivoLeido();

// One look at the file at the wall-clock time `ahora` (seconds since the
// epoch, as the file times are). True when the window must be drawn again:
// the model was reloaded, or the message line says the file cannot be read.
bool revisarArchivoVigilado(double ahora);

// Seconds since the epoch, now.
double segundosReloj();
