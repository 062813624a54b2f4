#include "textoAyuda.h"

namespace {

const char* const texto =
    "*******************************************\n"
    "*******     KARVEL 2D    **********\n"
    "*******************************************\n"
    "TECLAS DE NAVEGACION:\n"
    "Paneo: click izquierdo y mover mouse\n"
    "Zoom: scroll +/-\n"
    "Cambiar escala de diagramas: (tecla +) o (tecla -)\n"
    "Cambiar escala de texto: (shift +) o (shift -)\n"
    "Mostrar u ocultar lineas internas de diagramas: Alt-f\n"
    "Mostrar u ocultar texto de diagramas: Alt-t\n"
    "Mostrar u ocultar nudos: Alt-n\n"
    "\n"
    "Ayuda: F1\n"
    "refrescar Modelo: F5\n"
    "\n"
    "COMANDOS DE LINEA DE COMANDOS:\n"
    "combo  -->Activa la opcion para introducir un combo\n"
    "plotDef -->Plotea deformaciones\n"
    "plotN   -->Plotea Fuerzas Axiales\n"
    "plotM  -->Plotea Momentos flectores\n"
    "plotV  -->Plotea Cortantes\n"
    "plotR   -->Plotea Reacciones\n"
    "tagNudos -->Muestra u oculta la numeracion de nudos\n"
    "tagBarras -->Muestra u oculta la numeracion de barras\n"
    "secciones -->Muestra u oculta las secciones transverlaes\n"
    "noTags  -->Oculta todos los Tags\n"
    "captura  -->Guarda la ventana en captura-NNN.png\n"
    "capturaPDF -->Guarda la ventana como dibujo PDF (captura-NNN.pdf)\n"
    "capturaSVG -->Guarda la ventana como dibujo SVG (captura-NNN.svg)\n"
    "autoEscala -->Ajusta la escala de la capa encendida\n"
    "vigilar  -->Recarga el modelo cada vez que cambia el archivo\n"
    "envolvente -->Muestra u oculta la envolvente de los combos activos en N, V y M\n"
    "plotCarga -->Plotea Cargas\n"
    "plotApoyos -->Muestra u oculta apoyos y resortes\n"
    "aislar  -->Muestra solo las barras de una lista y sus nudos\n"
    "noAislar -->Vuelve a mostrar todas las barras y nudos\n"
    "encuadrar -->Vuelve a encuadrar todo el modelo en la ventana\n"
    "colorPorCombo -->Un color por combo activo, con su nombre en los valores\n"
    "influencia -->Dibuja la linea de influencia de una respuesta en el primer recorrido\n"
    "tren    -->Cambia N, V y M por la envolvente del primer tren en el primer recorrido\n"
    "pandeo  -->Muestra u oculta el modo de pandeo y su factor de carga critica\n"
    "modal  -->Muestra u oculta el modo de vibracion y su periodo\n"
    "modo  -->Elige el numero del modo de pandeo o de vibracion mostrado\n"
    "salir, exit -->Terminan el programa\n"
    "\n"
    "Ejecutar la linea: Enter (Retroceso borra una letra)\n"
    "Terminar el programa: Escape\n";

}  // namespace

const char* textoAyudaVisor() {
    return texto;
}

columnasAyuda columnasDeAyuda() {
    const std::string todo = texto;
    const std::string encabezado = "COMANDOS DE LINEA DE COMANDOS:";
    const std::size_t inicio = todo.find(encabezado);
    // The commands end at the first blank line after their heading.
    const std::size_t fin = todo.find("\n\n", inicio);
    if (inicio == std::string::npos || fin == std::string::npos) return {todo, ""};
    return {todo.substr(0, inicio) + todo.substr(fin + 2), todo.substr(inicio, fin + 1 - inicio)};
}
