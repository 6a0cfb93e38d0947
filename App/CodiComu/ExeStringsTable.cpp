// The program's own messages, registered by the main window with RegisterExeStrings
// (keys "ExeStrings." + number), in the wording of each edition. The slots after the
// last entry are empty (number 0) and free for new messages.
#include <array>

#include "App/CodiComu/CCTranslate.h"

namespace {

constexpr std::array<TExeTranslateValue, kExeStringsSlots> kExeStrings{{
    // Invoice generation
    {10001, "No se puede encontrar el ALUMNO a FACTURAR"},
    {10002, "No existe el IDAlumno: %d"},
    {10003, "Generar Facturas"},
    {10004, "&Facturar"},
    {10005, "Serie de las facturas"},
    {10006, "Primer número de factura"},
    {10007, "Fecha Factura:"},
    {10008, "Debe seleccionar un mes"},
    {10009, "No ha seleccionado ninguna série válida"},
    {10010, "Facturar"},
    {10011, "Iniciando proceso..."},
    {10012, "Procesando los alumnos seleccionados"},
    {10013, "Procesando alumnos"},
    {10014, "Preparando la consulta..."},
    {10015, "Recalculando Facturas"},
    {10016,
     "No se ha generado ninguna factura\n"
     "\n"
     "Ningún concepto a facturar coincide con las opciones seleccionadas.\n"
     "Es posible que tenga activada alguna opción que impida volver a facturar conceptos ya facturados."},
    {10017, "Registro %d / %d"},
    {10018,
     "Se han creado un total de %d facturas\n"
     "por un importe total de %s %s\n"
     "\n"
     "Fecha de las facturas: \"%s\"\n"
     "Serie de las facturas: \"%s\"\n"
     "\n"
     "¿Aceptar el proceso?"},
    {10019, "Proceso cancelado"},
    {10020, "Guardando información"},
    {10021, "Espere unos instantes..."},
    {10022, "%d Alumnos"},
    {10023, "%d Alumno"},
    {10024, "-Agrupar por alumno"},
    {10025, "-Agrupar por matrícula"},
    {10026, "-Numerar las facturas"},
    {10027, "-No numerar las facturas"},
    {10028, "-No facturar conceptos ya facturados en la misma fecha"},
    {10029, "-No facturar conceptos ya facturados en el mismo mes y año"},
    {10030, "-Se permite facturar el mismo concepto varias veces en el mismo mes y año"},
    {10031, "-Facturar al Alumno relacionado"},
    {10032, "-Comprobar la fecha de baja de las matrículas al facturar"},
    // Data rules on invoices and students; Norma 19 file records
    {10101,
     "NO ES POSIBLE AÑADIR FACTURAS MANUALMENTE\n"
     "\n"
     "Este programa genera las facturas AUTOMÁTICAMENTE y una vez generadas se podrán modificar o borrar.\n"
     "Si en algún CASO ESPECIAL necesita crear facturas manualmente, podrá hacerlo activando dicho permiso\n"
     "en el formulario de opciones pero NO ES LO RECOMENDADO."},
    {10102, "No se ha podido determinar el estado de la factura"},
    {10103,
     "NO PUEDE MODIFICAR LA FACTURA\n"
     "\n"
     "La factura nº %s Serie \"%s\"\n"
     "está cobrada y no puede modificar facturas cobradas\n"
     "\n"
     "Primero debe DEVOLVER la factura y luego podrá realizar las modificaciones"},
    {10104,
     "ESTA FACTURA ESTÁ DEVUELTA\n"
     "\n"
     "El registro pertenece a una factura ya está devuelta. Las facturas devueltas\n"
     "solamente están disponibles para contabilidad. Si lo desea puede borrar la factura"},
    {10105, "Eliminando las facturas"},
    {10106, "Eliminando la factura nº: %s"},
    {10107,
     "ATENCIÓN:\n"
     "\n"
     "Si BORRA un alumno perderá TODO su historial (matrículas, grupos, incidencias...)\n"
     "las facturas emitidas NO SE BORRARÁN, pero perderá la información relacionada con el alumno\n"
     "\n"
     "¿Desea BORRAR el alumno?"},
    {10108,
     "Para borrar las facturas utilice el formulario de\n"
     "ACCIONES SOBRE LAS FACTURAS"},
    {10109,
     "Se dispone a borrar un archivo Norma 19.\n"
     "Si borra un archivo Norma 19 SE BORRARÁN TODAS LAS FACTURAS que contenga.\n"
     "\n"
     "Si quiere repetir la generación del disco es mejor que utilice la opción \"Anular Disco\" de esta "
     "forma\n"
     "todas las facturas pasarán a \"Pendientes de Cobro\" y podrá incluirlas en otro archivo Norma 19.\n"
     "\n"
     "¿Desea continuar y BORRAR EL ARCHIVO Y SUS FACTURAS?"},
    // Options for invoicing and collection
    {10201, "Proceso de generar facturas"},
    {10202, "Proceso de cobrar facturas"},
    {10203, "Numerar la factura si no tiene número"},
    {10204, "Y además modificar la fecha de la factura (poner fecha de cobro)"},
    {10205, "Numerar las facturas"},
    {10206, "Permitir crear facturas manualmente"},
    {10207, "Una sola factura para cada alumno"},
    {10208, "Una factura por cada matrícula"},
    // Norma 19 file generation
    {10301, "Imposible encontrar la Factura con ID: %d"},
    {10302,
     "Factura Nº: %s Serie: \"%s\" (Id: %s)\n"
     "Para: \"%s\"\n"
     "Importe: %s"},
    {10303, "Factura Nº: %s Serie: \"%s\""},
    {10304, "Generar Norma 19"},
    {10305,
     "Atención:\n"
     "\n"
     "LA FORMA DE COBRO de la Factura NO CORRESPONDE A \"%s\"\n"
     "\n"
     "%s\n"
     "\n"
     "Tiene 3 opciones:\n"
     "\n"
     "SI: Incluir la Factura y modificar la Forma de Cobro\n"
     "NO: No incluir la Factura (no se incorporará al disco)\n"
     "CANCELAR: Cancelar el proceso"},
    {10306,
     "Atención:\n"
     "La siguiente Factura tiene un IMPORTE no válido para incluirlo\n"
     "en el archivo Norma 19.  ¡No se incluirá!\n"
     "\n"
     "%s"},
    {10307,
     "ATENCIÓN:\n"
     "\n"
     "El siguiente registro NO TIENE NÚMERO DE FACTURA:\n"
     "%s\n"
     "\n"
     "¿Colocar automáticamente un número de factura?"},
    {10308,
     "ATENCIÓN:\n"
     "\n"
     "¿Quiere poner la FECHA DE COBRO como la FECHA DE LA FACTURA?\n"
     "%s\n"
     "\n"
     "Fecha actual: %s\n"
     "Nueva fecha: %s\n"
     "¿Poner la nueva fecha?"},
    {10309, "Datos vacios o erroneos en el Número de Cuenta Corriente de la Factura"},
    {10310,
     "La factura no tiene valores para insertar en el recibo (las 8 lineas que se generan automáticamente al "
     "facturar)\n"
     "Este error puede ser producido por ser datos importados de una versión anterior del programa.\n"
     "Datos de la factura/recibo: \n"
     "%s"},
    {10311,
     "El Banco (Forma de Cobro) \"%s\"\n"
     "No tiene ninguna Factura a cobrar.\n"
     "\n"
     "No se ha generado Archivo"},
    {10312, "Cantidad de Recibos a cobrar (Una factura = Un recibo): "},
    {10313, "&Factura Seleccionada"},
    {10314, "&Todas las Facturas"},
    // Invoice actions
    {10401, "ANULAR ARCHIVO NORMA 19"},
    {10402,
     "ATENCIÓN:\n"
     "\n"
     "La ANULACIÓN de un archivo Norma 19 está pensada para casos\n"
     "especiales, no para el trabajo diario.\n"
     "\n"
     "La ANULACIÓN implica lo siguiente:\n"
     "Todas las facturas del archivo Norma 19 pasarán a \"PENDIENTES DE COBRO\"\n"
     "y el registro del archivo Norma 19 se borrará\n"
     "\n"
     "¿Continuar con el proceso?"},
    {10403, "Anulando las facturas del archivo Norma 19"},
    {10404, "Borrando el registro del archivo Norma 19"},
    {10405, "El archivo Norma 19 no contiene ninguna factura"},
    {10406, "Archivo Norma 19 anulado correctamente"},
    {10407, "No existe la factura con ID: %d"},
    {10408, "Error al procesar la devolución, estado de la factura no válido"},
    {10409, "La factura no está cobrada, no se puede devolver"},
    {10410, "La factura YA ESTÁ DEVUELTA, no se puede devolver"},
    {10411, "La factura no está devuelta, no se puede anular la devolución"},
    {10412, "La factura no está cobrada, no se puede anular el cobro"},
    {10413,
     "¡Error! Esta factura está incluida en un archivo Norma 19, \n"
     "no se puede anular el cobro"},
    {10414, "Facturas"},
    {10415, "Acciones sobre las facturas"},
    {10416, "Facturas:"},
    {10417, "&Todas"},
    {10418, "Indicar que la factura ha sido devuelta"},
    {10419, "Borrar las facturas"},
    {10420, "(La misma)"},
    {10421, "Nº Factura: %d"},
    {10422, "Sin Número"},
    {10423, " - Sin Serie"},
    {10424, " - Serie: \"%s\""},
    {10425, " - Para: \"%s\" - Importe: %s"},
    {10426, "DEVOLUCIÓN"},
    {10427, "COBRO"},
    {10428, "ANULAR DEVOLUCION"},
    {10429,
     "ATENCIÓN:\n"
     "\n"
     "La ANULACIÓN DE DEVOLUCIONES está pensada para casos\n"
     "especiales, no para el trabajo diario.\n"
     "Las facturas \"DEVUELTAS\" pasarán al estado de \"COBRADAS\"\n"
     "\n"
     "Esta acción puede provocar FACTURAS DUPLICADAS si antes\n"
     "no borra las facturas que se crearon automáticamente al\n"
     "realizar la devolución.\n"
     "\n"
     "¿Continuar con el proceso?"},
    {10430, "ANULAR COBRO"},
    {10431,
     "ATENCIÓN:\n"
     "\n"
     "La ANULACIÓN DE COBROS está pensada para casos especiales,\n"
     "no para el trabajo diario.\n"
     "Las facturas \"COBRADAS\" pasarán al estado de \"PENDIENTES DE COBRO\"\n"
     "\n"
     "Esta acción solamente se puede realizar si las facturas no están\n"
     "incluidas en ningún archivo bancario Norma 19.\n"
     "\n"
     "¿Continuar con el proceso?"},
    {10432, "BORRAR"},
    {10433, "No ha seleccionado ninguna acción a realizar"},
    {10434,
     "Imposible localizar el registro con ID: %d\n"
     "Seguramente este registro ha sido borrado. Cierre la pantalla y actualice la información"},
    {10435, "Cobrar facturas..."},
    {10436,
     "ATENCIÓN:\n"
     "\n"
     "El siguiente registro NO TIENE NUMERO DE FACTURA:\n"
     "%s\n"
     "\n"
     "¿Desea colocar automáticamente un número de factura?"},
    {10437, "Cobrar facturas..."},
    {10438,
     "ATENCIÓN:\n"
     "\n"
     "¿Quiere poner la FECHA DE COBRO como la FECHA DE LA FACTURA?\n"
     "%s\n"
     "\n"
     "Fecha actual: %s\n"
     "Nueva fecha: %s\n"
     "¿Poner la nueva fecha?"},
    {10439,
     "Esta factura no está \"PENDIENTE DE COBRO\": \n"
     "%s\n"
     "\n"
     "Para poder realizar esta operación es necesario que todas las\n"
     "facturas seleccionadas estén \"PENDIENTES DE COBRO\".\n"
     "\n"
     "¡OPERACION ABORTADA!"},
    {10440,
     "Esta factura no está cobrada: \n"
     "%s\n"
     "\n"
     "Para poder realizar esta operación es necesario que todas las\n"
     "facturas seleccionadas estén \"COBRADAS\".\n"
     "\n"
     "¡OPERACION ABORTADA!"},
    {10441,
     "Esta factura no está DEVUELTA: \n"
     "%s\n"
     "\n"
     "Para poder realizar esta operación es necesario que todas las\n"
     "facturas seleccionadas estén \"DEVUELTAS\".\n"
     "\n"
     "¡OPERACION ABORTADA!"},
    {10442,
     "Esta factura está incluida en un archivo Norma 19.\n"
     "Las facturas incluidas en un archivo Norma 19 no pueden\n"
     "tener el estado de \"PENDIENTES DE COBRO\".\n"
     "%s\n"
     "\n"
     "¡OPERACION ABORTADA!"},
    {10443,
     "Esta factura NO ESTÁ COBRADA: \n"
     "%s\n"
     "\n"
     "Para poder realizar esta operación es necesario que todas las\n"
     "facturas seleccionadas estén \"COBRADAS\".\n"
     "\n"
     "¡OPERACION ABORTADA!"},
    {10444,
     "Esta factura está incluida en un archivo Norma 19.\n"
     "%s\n"
     "\n"
     "Para poder realizar esta operación es necesario que ninguna\n"
     "de las facturas seleccionadas estén incluidas en un archivo Norma 19\".\n"
     "\n"
     "¡OPERACION ABORTADA!"},
    {10445, "No ha marcado ninguna Operación a realizar"},
    {10446, "COBRAR FACTURAS"},
    {10447, "DEVOLVER FACTURAS"},
    {10448, "ANULAR EL COBRO DE FACTURAS"},
    {10449, "ANULAR LA DEVOLUCION DE FACTURAS"},
    {10450, "BORRAR FACTURAS"},
    {10451,
     "\n"
     "\n"
     "Realizado en %d Facturas"},
    {10452,
     "\n"
     "\n"
     "Realizado en 1 Factura"},
    {10453,
     "Proceso Realizado\n"
     "\n"
     "%s\n"
     "\n"
     "Por un importe total de %s %s\n"
     "\n"
     "¿Aceptar el proceso?"},
    {10454, "Operación abortada"},
    {10455,
     "\n"
     "No se ha aplicado a ningún registro"},
    {10456,
     "No se ha configurado ningún informe a utilizar en la impresión de facturas.\n"
     "Para poder imprimir una factura/recibo es necesario configurar dicho parámetro en el formulario de "
     "opciones del programa."},
}};

// The lite edition issues receipts where the full edition issues invoices: these
// entries speak of "recibos" (with the words that agree with it); every other entry
// reads as in the full edition.
constexpr TExeTranslateValue kLiteWording[] = {
    {10003, "Generar Recibos"},
    {10004, "&Generar Recibos"},
    {10005, "Serie de los recibos"},
    {10006, "Primer número de recibo"},
    {10007, "Fecha Emisión:"},
    {10015, "Recalculando Recibos"},
    {10016,
     "No se ha generado ningún recibo\n"
     "\n"
     "Ningún concepto a facturar coincide con las opciones seleccionadas.\n"
     "Es posible que tenga activada alguna opción que impida volver a facturar conceptos ya facturados."},
    {10018,
     "Se han creado un total de %d recibos\n"
     "por un importe total de %s %s\n"
     "\n"
     "Fecha de los recibos: \"%s\"\n"
     "Serie de los recibos: \"%s\"\n"
     "\n"
     "¿Aceptar el proceso?"},
    {10026, "-Numerar los recibos"},
    {10027, "-No numerar los recibos"},
    {10101,
     "NO ES POSIBLE AÑADIR RECIBOS MANUALMENTE\n"
     "\n"
     "Este programa genera los recibos AUTOMÁTICAMENTE y una vez generados se podrán modificar o borrar.\n"
     "Si en algún CASO ESPECIAL necesita crear recibos manualmente, podrá hacerlo activando dicho permiso\n"
     "en el formulario de opciones pero NO ES LO RECOMENDADO."},
    {10102, "No se ha podido determinar el estado del recibo"},
    {10103,
     "NO PUEDE MODIFICAR EL RECIBO\n"
     "\n"
     "El recibo nº %s Serie \"%s\"\n"
     "está cobrado y no puede modificar recibos cobrados\n"
     "\n"
     "Primero debe DEVOLVER el recibo y luego podrá realizar las modificaciones"},
    {10104,
     "ESTE RECIBO ESTÁ DEVUELTO\n"
     "\n"
     "El registro pertenece a un recibo ya está devuelto. Los recibos devueltos\n"
     "solamente están disponibles para contabilidad. Si lo desea puede borrar el recibo"},
    {10105, "Eliminando los recibos"},
    {10106, "Eliminando el recibo nº: %s"},
    {10107,
     "ATENCIÓN:\n"
     "\n"
     "Si BORRA un alumno perderá TODO su historial (matrículas, grupos, incidencias...)\n"
     "los recibos emitidos NO SE BORRARÁN, pero perderá la información relacionada con el alumno\n"
     "\n"
     "¿Desea BORRAR el alumno?"},
    {10108,
     "Para borrar los recibos utilice el formulario de\n"
     "ACCIONES SOBRE LOS RECIBOS"},
    {10109,
     "Se dispone a borrar un archivo Norma 19.\n"
     "Si borra un archivo Norma 19 SE BORRARÁN TODOS LOS RECIBOS que contenga.\n"
     "\n"
     "Si quiere repetir la generación del disco es mejor que utilice la opción \"Anular Disco\" de esta "
     "forma\n"
     "todos los recibos pasarán a \"Pendientes de Cobro\" y podrá incluirlos en otro archivo Norma 19.\n"
     "\n"
     "¿Quiere continuar y BORRAR EL ARCHIVO Y SUS RECIBOS?"},
    {10201, "Proceso de generar recibos"},
    {10202, "Proceso de cobrar recibos"},
    {10203, "Numerar el recibo si no tiene número"},
    {10204, "Y además modificar la fecha del recibo (poner fecha de cobro)"},
    {10205, "Numerar los recibos"},
    {10206, "Permitir crear recibos manualmente"},
    {10207, "Un solo recibo por alumno"},
    {10208, "Un recibo por cada matrícula"},
    {10301, "Imposible encontrar el recibo con ID: %d"},
    {10302,
     "Recibo Nº: %s Serie: \"%s\" (Id: %s)\n"
     "Para: \"%s\"\n"
     "Importe: %s"},
    {10303, "Recibo Nº: %s Serie: \"%s\""},
    {10305,
     "Atención:\n"
     "\n"
     "LA FORMA DE COBRO del recibo NO CORRESPONDE A \"%s\"\n"
     "\n"
     "%s\n"
     "\n"
     "Tiene 3 opciones:\n"
     "\n"
     "SI: Incluir el recibo y modificar la Forma de Cobro\n"
     "NO: No incluir el recibo (no se incorporará al disco)\n"
     "CANCELAR: Cancelar el proceso"},
    {10306,
     "Atención:\n"
     "El siguiente recibo tiene un IMPORTE no válido para incluirlo\n"
     "en el archivo Norma 19.  ¡No se incluirá!\n"
     "\n"
     "%s"},
    {10307,
     "ATENCIÓN:\n"
     "\n"
     "El siguiente registro NO TIENE NÚMERO DE RECIBO:\n"
     "%s\n"
     "\n"
     "¿Colocar automáticamente un número de recibo?"},
    {10308,
     "ATENCIÓN:\n"
     "\n"
     "¿Quiere poner la FECHA DE COBRO como la FECHA DEL RECIBO?\n"
     "%s\n"
     "\n"
     "Fecha actual: %s\n"
     "Nueva fecha: %s\n"
     "¿Poner la nueva fecha?"},
    {10309, "Datos vacios o erroneos en el Número de Cuenta Corriente del recibo"},
    {10310,
     "El recibo no tiene valores para insertar en las 8 lineas que se generan automáticamente al facturar\n"
     "Este error puede ser producido por ser datos importados de una versión anterior del programa.\n"
     "Datos de la factura/recibo: \n"
     "%s"},
    {10311,
     "El Banco (Forma de Cobro) \"%s\"\n"
     "No tiene ningún recibo a cobrar.\n"
     "\n"
     "No se ha generado Archivo"},
    {10312, "Cantidad de recibos a cobrar: "},
    {10313, "&Recibo seleccionado"},
    {10314, "&Todos los recibos"},
    {10402,
     "ATENCIÓN:\n"
     "\n"
     "La ANULACIÓN de un archivo Norma 19 está pensada para casos\n"
     "especiales, no para el trabajo diario.\n"
     "\n"
     "La ANULACIÓN implica lo siguiente:\n"
     "Todos los recibos del archivo Norma 19 pasarán a \"PENDIENTES DE COBRO\"\n"
     "y el registro del archivo Norma 19 se borrará\n"
     "\n"
     "¿Continuar con el proceso?"},
    {10403, "Anulando los recibos del archivo Norma 19"},
    {10405, "El archivo Norma 19 no contiene ningún recibo"},
    {10407, "No existe el recibo con ID: %d"},
    {10408, "Error al procesar la devolución, estado del recibo no válido"},
    {10409, "El recibo no está cobrado, no se puede devolver"},
    {10410, "El recibo YA ESTÁ DEVUELTO, no se puede devolver"},
    {10411, "El recibo no está devuelto, no se puede anular la devolución"},
    {10412, "El recibo no está cobrado, no se puede anular el cobro"},
    {10413,
     "¡Error! Este recibo está incluido en un archivo Norma 19, \n"
     "no se puede anular el cobro"},
    {10414, "Recibos"},
    {10415, "Acciones sobre los recibos"},
    {10416, "Recibos:"},
    {10417, "&Todos"},
    {10418, "Indicar que el recibo ha sido devuelto"},
    {10419, "Borrar los recibos"},
    {10421, "Nº Recibo: %d"},
    {10429,
     "ATENCIÓN:\n"
     "\n"
     "La ANULACIÓN DE DEVOLUCIONES está pensada para casos\n"
     "especiales, no para el trabajo diario.\n"
     "Los recibos \"DEVUELTOS\" pasarán al estado de \"COBRADOS\"\n"
     "\n"
     "Esta acción puede provocar RECIBOS DUPLICADOS si antes\n"
     "no borra los recibos que se crearon automáticamente al\n"
     "hacer la devolución.\n"
     "\n"
     "¿Continuar con el proceso?"},
    {10431,
     "ATENCIÓN:\n"
     "\n"
     "La ANULACIÓN DE COBROS está pensada para casos especiales,\n"
     "no para el trabajo diario.\n"
     "Los recibos \"COBRADOS\" pasarán al estado de \"PENDIENTES DE COBRO\"\n"
     "\n"
     "Esta acción solamente se puede realizar si los recibos no están\n"
     "incluidos en ningún archivo bancario Norma 19.\n"
     "\n"
     "¿Continuar con el proceso?"},
    {10435, "Cobrar recibos..."},
    {10436,
     "ATENCIÓN:\n"
     "\n"
     "El siguiente registro NO TIENE NUMERO DE RECIBO:\n"
     "%s\n"
     "\n"
     "¿Desea colocar automáticamente un número de recibo?"},
    {10438,
     "ATENCIÓN:\n"
     "\n"
     "¿Quiere poner la FECHA DE COBRO como la FECHA DEL RECIBO?\n"
     "%s\n"
     "\n"
     "Fecha actual: %s\n"
     "Nueva fecha: %s\n"
     "¿Poner la nueva fecha?"},
    {10439,
     "Este recibo no está \"PENDIENTE DE COBRO\": \n"
     "%s\n"
     "\n"
     "Para poder realizar esta operación es necesario que todos los\n"
     "recibos seleccionados estén \"PENDIENTES DE COBRO\".\n"
     "\n"
     "¡OPERACION ABORTADA!"},
    {10440,
     "Este recibo no está cobrado: \n"
     "%s\n"
     "\n"
     "Para poder realizar esta operación es necesario que todos los\n"
     "recibos seleccionados estén \"COBRADOS\".\n"
     "\n"
     "¡OPERACION ABORTADA!"},
    {10441,
     "Este recibo no está DEVUELTO: \n"
     "%s\n"
     "\n"
     "Para poder realizar esta operación es necesario que todos los\n"
     "recibos seleccionados estén \"DEVUELTOS\".\n"
     "\n"
     "¡OPERACION ABORTADA!"},
    {10442,
     "Este recibo está incluido en un archivo Norma 19.\n"
     "Los recibos incluidos en un archivo Norma 19 no pueden\n"
     "tener el estado de \"PENDIENTES DE COBRO\".\n"
     "%s\n"
     "\n"
     "¡OPERACION ABORTADA!"},
    {10443,
     "Este recibo NO ESTÁ COBRADO: \n"
     "%s\n"
     "\n"
     "Para poder realizar esta operación es necesario que todos los\n"
     "recibos seleccionados estén \"COBRADOS\".\n"
     "\n"
     "¡OPERACION ABORTADA!"},
    {10444,
     "Este recibo está incluido en un archivo Norma 19.\n"
     "%s\n"
     "\n"
     "Para poder realizar esta operación es necesario que ninguno\n"
     "de los recibos seleccionados esté incluido en un archivo Norma 19\".\n"
     "\n"
     "¡OPERACION ABORTADA!"},
    {10446, "COBRAR RECIBOS"},
    {10447, "DEVOLVER RECIBOS"},
    {10448, "ANULAR EL COBRO DE RECIBOS"},
    {10449, "ANULAR LA DEVOLUCION DE RECIBOS"},
    {10450, "BORRAR RECIBOS"},
    {10451,
     "\n"
     "\n"
     "Realizado en %d Recibos"},
    {10452,
     "\n"
     "\n"
     "Realizado en 1 Recibo"},
    {10456,
     "No se ha configurado ningún informe a utilizar en la impresión de recibos.\n"
     "Para poder imprimir un recibo es necesario configurar dicho parámetro en el formulario de opciones del "
     "programa."},
};

}  // namespace

std::span<const TExeTranslateValue> ExeStringsTable() { return kExeStrings; }

std::span<const TExeTranslateValue> ExeStringsTableLite() {
  static const std::array<TExeTranslateValue, kExeStringsSlots> table = [] {
    std::array<TExeTranslateValue, kExeStringsSlots> lite = kExeStrings;
    for (TExeTranslateValue& entry : lite) {
      for (const TExeTranslateValue& wording : kLiteWording) {
        if (entry.iNum != 0 && wording.iNum == entry.iNum) entry.text = wording.text;
      }
    }
    return lite;
  }();
  return table;
}
