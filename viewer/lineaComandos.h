// The viewer's command line and ordinary keys, the display switches and the
// visibility marks. Works on the globals only (no windowing toolkit), so every
// step can be driven without a window; teclado/tecladoEspecial forward to it.
#pragma once

#include <string>

// Prompt texts that are also the states of the two-step commands.
extern const char* const textoIngreseComando;  // "Ingrese Comando:"
extern const char* const preguntaCombo;        // asks for a combination name
extern const char* const preguntaAislar;       // asks for a list of bars
extern const char* const errorListaBarras;     // invalid list of bars

// A picture of the window asked for on the command line ("captura",
// "capturaPDF", "capturaSVG"). The window takes it and sets the reply; this
// logic has no window.
enum class formatoCaptura { ninguno, png, pdf, svg };

// The capture asked for by the last line, if any; asking clears it.
formatoCaptura tomarCapturaPedida();

// "encuadrar": the camera is to frame the whole model again, as at start-up.
// The window does it (it owns the projection); asking clears the request.
bool tomarEncuadrePedido();

// What the caller must do after a key.
enum class efectoTecla { seguir, terminar };

// One ordinary key. soloShift / soloAlt: the modifiers of this key event are
// exactly Shift / exactly Alt. Escape and "exit"/"salir" ask to end.
efectoTecla procesarTecla(unsigned char tecla, bool soloShift, bool soloAlt);

// Enter: runs the line held in comando through every command step in order
// and empties it. True when the line asks to end the program.
bool ejecutarComando();

// The line at the list prompt: hides everything, then shows the bars named by
// their user numbers and their end nodes. False (and everything left hidden)
// when an item is not a number of an existing bar; empty items are skipped.
bool aislarBarras(const std::string& lista);

// Switch i is on: it exists and its counter is odd.
bool flagActivo(int i);

// Start values of the switches: supports and springs, diagram texts, inner
// diagram lines and node markers on; one entry per combination at 100 + c.
void flagsIniciales();

// Keeps one switch per combination: flags grows to 100 + modeloVisor.noCombos entries
// (new ones off) when there are more than 100 combinations.
void ajustarFlagsCombos();

// One visibility mark per node and per bar of the current model, all visible.
void mostrarTodo();

// Node / bar with internal index i is drawn: its visibility mark is 1.
bool nudoVisible(int i);
bool barraVisible(int i);

// After a model is read again: the influence line and the train's envelope
// that are on are drawn for the new model; when one cannot be (its response
// no longer reads, the path or the train is gone), the message line says
// why.
void revisarInfluenciaTrasRecarga();
