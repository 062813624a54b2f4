#include "esferaNudo.h"

#include <GL/freeglut.h>

#include <map>

namespace {

const int gajos = 12;
// Radii kept at once; the marker radius changes only with the model or the
// zoom, so a few are plenty.
const std::size_t radiosGuardados = 16;

std::map<double, GLuint> listas;

}  // namespace

unsigned int listaEsfera(double r) {
    const auto it = listas.find(r);
    if (it != listas.end()) return it->second;
    GLint compilando = 0;
    glGetIntegerv(GL_LIST_INDEX, &compilando);
    if (compilando != 0) return 0;
    if (listas.size() >= radiosGuardados) {
        for (const auto& par : listas) glDeleteLists(par.second, 1);
        listas.clear();
    }
    const GLuint lista = glGenLists(1);
    glNewList(lista, GL_COMPILE);
    glutSolidSphere(r, gajos, gajos);
    glEndList();
    listas[r] = lista;
    return lista;
}

void esferaNudo(double r) {
    const GLuint lista = listaEsfera(r);
    if (lista != 0) {
        glCallList(lista);
    } else {
        glutSolidSphere(r, gajos, gajos);
    }
}
