// Node markers: solid spheres of 12 slices and 12 stacks.
#pragma once

// The display list of a sphere of radius r about the origin, compiled the
// first time that radius is asked for (outside any list being compiled), so
// that a marker is replayed instead of being computed again on every frame.
unsigned int listaEsfera(double r);

// Draws the sphere of radius r about the current origin: from its list when
// that exists, directly while a list is being compiled.
void esferaNudo(double r);
