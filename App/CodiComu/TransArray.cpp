// The shell's message catalogue: number, key (registered as "CC." + key) and the
// Spanish default. Numbers and keys are unique; the slots after the last entry are
// empty and free for new messages.
#include <array>

#include "App/CodiComu/CCTranslate.h"

namespace {

constexpr std::array<TTranslateiNum, kTransArraySlots> kTransArray{{
    // Common
    {100, "Common.continue", "¿Continuar?"},
    {101, "Common.error", "Error"},
    {102, "Common.filenotfound", "Archivo no encontrado %s"},
    {103, "Common.overwritefile", "El archivo %s ya existe, sobreescribir?"},
    {104, "Common.cannotdelete", "No se pudo eliminar el archivo %s"},
    {105, "Common.retry", "¿Reintentar?"},
    {106, "Common.yes", "Si"},
    {107, "Common.no", "No"},
    {108, "Common.DefaultLanguage", "(Defecto)"},
    // TFRMMenuLevel0Ext
    {1002, "TFRMMenuLevel0Ext.confirm_close_application", "¿Cerrar la Aplicación %s ?"},
    {1003, "TFRMMenuLevel0Ext.alert_changed_MDI_style",
     "El estilo de las ventanas ha cambiado.\n"
     "El cambio tendrá efecto la próxima vez que inicie la aplicación."},
    {1004, "TFRMMenuLevel0Ext.database_read_only", "SOLO LECTURA"},
    {1005, "TFRMMenuLevel0Ext.confirm_new_language", "Cambiar el programa al nuevo idioma: %s"},
    // UtilsZUL
    {1100, "UtilsZUL.error_corruptedfile", "El archivo de recursos está estropeado"},
    {1101, "UtilsZUL.error_cannot_restore_zur", "Imposible recuperar los recursos de la copia de seguridad"},
    {1102, "UtilsZUL.error_saving_zur", "Error guardando recursos de la aplicación:"},
    {1104, "UtilsZUL.error_idnode_default_not_valid", "El formulario inicial no es válido"},
    // UtilsDBGrid
    {1200, "UtilsDBGrid.no_records", "No hay registros"},
    {1201, "UtilsDBGrid.field_not_found", "Error en \"GetIDsDelDBGrid\": Campo: %s"},
    {1202, "UtilsDBGrid.fields_not_found", "Error en \"GetIDsDelDBGrid2\": Campo1: %s Campo2: %s"},
    // Norma19
    {1300, "Norma19.no_nif", "No tiene NIF"},
    {1301, "Norma19.invalid_date", "La fecha debe ser ddmmaa: %s"},
    {1302, "Norma19.no_valid_CCC", "El nº de cuenta es incorrecto"},
    {1303, "Norma19.no_ordenante", "El Ordenante no se encuentra: %s"},
    {1304, "Norma19.invalid_162", "No se pudieron leer 162 bytes, formato de archivo no correcto"},
    {1310, "Norma19.dev_txt_0", "Importe a cero"},
    {1311, "Norma19.dev_txt_1", "Incorriente"},
    {1312, "Norma19.dev_txt_2", "No domiciliado o cuenta cancelada"},
    {1313, "Norma19.dev_txt_3", "Oficina domiciliataria inexistente"},
    {1314, "Norma19.dev_txt_4", "Aplicación R.D. 338/90, sobre el NIF"},
    {1315, "Norma19.dev_txt_5", "Por orden del cliente: error o baja en la domiciliación"},
    {1316, "Norma19.dev_txt_6", "Por orden del cliente: disconformidad con el importe"},
    {1317, "Norma19.dev_txt_7", "Adeudo duplicado, indebido, erróneo o faltan datos"},
    {1318, "Norma19.dev_txt_8", "Sin utilizar"},
    {1319, "Norma19.dev_txt_9", "(Código de motivo desconocido)"},
    {1320, "Norma19.invalid_DC_revising",
     "ERROR EN EL NUMERO DE CUENTA\n"
     "\n"
     "Los DIGITOS DE CONTROL del número de cuenta que ha indicado no son correctos:\n"
     "Usted ha indicado: \"%s\"\n"
     "El valor calculado es: \"%s\"\n"
     "\n"
     "Debe REVISAR todo el número de cuenta e introducir correctamente todos los campos ya que los DIGITOS "
     "DE CONTROL sirven para comprobar que el número de cuenta sea correcto\n"
     "\n"
     "En caso de no conocer el dígito de control introduzca dos asteriscos \" ** \""},
    // ZULDBVersions
    {1400, "ZULDBVersions.invalid_bbdd_name",
     "El archivo NO PERTENECE A ESTA APLICACIÓN\n"
     "\n"
     "Archivo: \"%s\"\n"
     "Nombre encontrado en el archivo: \"%s\" (se esperaba \"%s\")\n"
     "(probablemente el archivo seleccionado pertenece o otra aplicación)\n"
     "\n"
     "OPERACION CANCELADA"},
    {1401, "ZULDBVersions.version_low",
     "El archivo %s es de la versión %d\n"
     "Este programa solamente puede gestionar archivos de la versión %d o anteriores \n"
     "\n"
     "OPERACION CANCELADA"},
    {1402, "ZULDBVersions.version_low_do_import",
     "El archivo seleccionado: %s pertenece a una versión anterior del programa: (versión %d)\n"
     "Para poder trabajar con los datos de dicho archivo tiene que utilizar la opción: \"Importar una base "
     "de datos de una versión anterior\""},
    {1405, "ZULDBVersions.Splash_cons_import", "Consultas de importación"},
    {1406, "ZULDBVersions.ci_step1", "Conectando con la base de datos"},
    {1407, "ZULDBVersions.ci_step2", "Extraiendo las consultas existentes"},
    {1408, "ZULDBVersions.ci_step3", "Ordenando las consultas (%d)"},
    {1409, "ZULDBVersions.ci_step4", "Colocando el directorio activo"},
    {1410, "ZULDBVersions.ci_step5", "Creando un TADOStoredProc"},
    {1411, "ZULDBVersions.ci_step6", "Asignando la conexión a ASP"},
    {1412, "ZULDBVersions.ci_step7", "Ejecutando la consulta: \"%s\" %d / %d"},
    {1415, "ZULDBVersions.ci_error1", "Error ejecutando las consultas de importación"},
    {1416, "ZULDBVersions.ci_error2", "Error al ejecutar una consulta de importación"},
    {1420, "ZULDBVersions.Importar_err_const",
     "Error en el proceso de importar datos\n"
     "Archivo Origen: \"%s\"\n"
     "Archivo Destino: \"%s\""},
    {1422, "ZULDBVersions.Importar_err_not_valid_version",
     "No es posible importar datos del programa %s versión %d a la versión %d\n"
     "OPERACION ABORTADA"},
    {1426, "ZULDBVersions.Importar_err_6", "No se encuentra la carpeta del origen \"%s\""},
    {1427, "ZULDBVersions.Importar_err_7", "No se puede crear la carpeta \"%s\""},
    {1428, "ZULDBVersions.Importar_err_8", "No se puede copiar el archivo %s en la carpeta %s"},
    {1429, "ZULDBVersions.Importar_err_9",
     "No se encuentra el archivo: %s\n"
     "OPERACION ABORTADA"},
    {1430, "ZULDBVersions.Importar_err_10", "No se puede copiar el archivo %s\\%s en %s"},
    {1431, "ZULDBVersions.Importar_err_11", "Imposible eliminar el archivo %s de la carpeta %s"},
    {1432, "ZULDBVersions.Importar_err_12",
     "No se puede leer la información de versión de la base de datos de origen\n"
     "OPERACION ABORTADA"},
    {1433, "ZULDBVersions.Importar_err_13",
     "No es posible leer la tabla de versiones de la base de datos a importar. \n"
     "¿Quiere proceder a una importación manual?"},
    {1434, "ZULDBVersions.Importar_err_msg1", "Importación Manual"},
    {1435, "ZULDBVersions.Importar_err_msg2", "Nombre del programa:"},
    {1436, "ZULDBVersions.Importar_err_14", "¡ERROR! No se reconoce el formato de la base de datos: %s"},
    {1437, "ZULDBVersions.Importar_err_15",
     "El programa de la base de datos de origen no es compatible con este programa\n"
     "OPERACION ABORTADA"},
    {1438, "ZULDBVersions.Importar_err_16", "No se encuentra la tabla de versiones"},
    {1439, "ZULDBVersions.Importar_err_17",
     "No se encuentra el nombre de archivo correspondiente al programa: %s\n"
     "OPERACION ABORTADA"},
    {1440, "ZULDBVersions.Importar_err_18",
     "El archivo %s no contiene información para importar datos del programa %s versión %d\n"
     "OPERACION ABORTADA"},
    {1441, "ZULDBVersions.Importar_err_19",
     "No se encuentra el archivo intermedio: %s\n"
     "OPERACION ABORTADA"},
    {1442, "ZULDBVersions.Importar_info1",
     "Los datos han sido importados\n"
     "Se han ejecutado %d consultas de importación."},
    // ZULAppConfig
    {1500, "ZULAppConfig.ConnectAccessDataBaseEx_error1",
     "El archivo que contiene la base de datos no existe\n"
     "Archivo: \"%s\"\n"
     "Por favor, revise la configuración de la aplicación.\n"
     "Si está trabajando en red, compruebe que las conexiones de red funcionen\n"
     "y que el ordenador que tiene la base de datos esté correctamente funcionando"},
    {1501, "ZULAppConfig.ConnectAccessDataBaseEx_error2",
     "Imposible abrir la BASE DE DATOS:\n"
     "Archivo: %s\n"
     "Proveedor: %s\n"
     "\n"
     "MENSAJE DE ERROR: (%s)\n"
     "\n"
     "%s\n"
     "\n"
     "POSIBLES PROBLEMAS:\n"
     "- USUARIO/CONTRASEÑA: Es posible que necesite indicar un usuario/contraseña correcto\n"
     "- ARCHIVO NO ENCONTRADO: Si trabaja en red compruebe que el ordenador con la\n"
     "     base de datos está encendido y tiene permisos para acceder.\n"
     "- FORMATO NO VALIDO: Puede ser que el archivo NO SEA UNA BASE DE DATOS o que\n"
     "     necesite repararse. Compruebe y/o recupere una copia de seguridad.\n"
     "- MDAC NO VALIDO: Esta aplicación requiere del \"MDAC 2.50\" o superior\n"
     "- PROVEEDOR NO VALIDO: Esta aplicación requiere del \"JET 4.0\" que\n"
     "     se puede descargar gratuitamente desde https://www.sqlite.org/download.html\n"
     "...Para más información, consulte en la ayuda"},
    {1503, "ZULAppConfig.ConnectAccessDataBase_error1",
     "El archivo que contiene la base de datos no existe\n"
     "Archivo: \"%s\"\n"
     "Por favor, revise la configuración de la aplicación.\n"
     "Si está trabajando en red, compruebe que las conexiones de red funcionen\n"
     "y que el ordenador que tiene la base de datos esté correctamente funcionando"},
    {1504, "ZULAppConfig.ConnectAccessDataBase_error2",
     "Imposible abrir la BASE DE DATOS:\n"
     "Archivo: %s\n"
     "Proveedor: %s\n"
     "\n"
     "MENSAJE DE ERROR: (%s)\n"
     "\n"
     "%s\n"
     "\n"
     "POSIBLES PROBLEMAS:\n"
     "- ARCHIVO NO ENCONTRADO: Si trabaja en red compruebe que el ordenador con la\n"
     "     base de datos está encendido y tiene permisos para acceder.\n"
     "- FORMATO NO VALIDO: Puede ser que el archivo NO SEA UNA BASE DE DATOS o que\n"
     "     necesite repararse. Compruebe y/o recupere una copia de seguridad.\n"
     "- MDAC NO VALIDO: Esta aplicación requiere del \"MDAC 2.50\" o superior\n"
     "- PROVEEDOR NO VALIDO: Esta aplicación requiere del \"JET 4.0\" que\n"
     "     se puede descargar gratuitamente desde https://www.sqlite.org/download.html\n"
     "...Para más información, consulte en la ayuda"},
    {1505, "ZULAppConfig.ConnectExternalDataBase_error2", "Imposible conectar con la base de datos externa"},
    {1506, "ZULAppConfig.ConnectAccessDataBaseWithPasswords_not_allowed",
     "No tiene permiso para abrir la base de datos"},
    {1507, "ZULAppConfig.DoReadZULAppFile_error",
     "ERROR MUY GRAVE:\n"
     "\n"
     "El archivo: \n"
     "%s\n"
     "\n"
     "No es un archivo ZUL válido, leyendo aplicación por defecto.\n"
     "(Si no desea ver más este error, borre el archivo)\n"
     "\n"
     "Mensaje de Error:\n"
     "%s"},
    {1550, "ZULAppConfig.TCustomZULPasswords.CheckValid1", "El nombre de usuario no tiene valor"},
    {1551, "ZULAppConfig.TCustomZULPasswords.CheckValid2",
     "El nombre de usuario sólo puede tener letras y números (a..z y 0..9)"},
    {1552, "ZULAppConfig.TCustomZULPasswords.CheckValid3",
     "La contraseña sólo puede tener letras y números (a..z y 0..9)\n"
     "\n"
     "Importante: Tenga en cuenta que la contraseña diferencia mayúsculas y minúsculas"},
    {1560, "ZULAppConfig.CreateDefaultUserName",
     "ATENCIÓN:\n"
     "\n"
     "Se ha creado un usuario por defecto\n"
     "Nombre de usuario: \"%s\"\n"
     "Contraseña: \"%s\"\n"
     "\n"
     "Si desea cambiar la contraseña debe ir a\n"
     "usuarios y permisos"},
    {1570, "ZULAppConfig.TZULPasswordsDataBase.admin", "Administrador"},
    {1571, "ZULAppConfig.TZULPasswordsDataBase.read_write", "Lectura/Escritura"},
    {1572, "ZULAppConfig.TZULPasswordsDataBase.read_only", "Sólo lectura"},
    {1591, "ZULAppConfig.error_on_init",
     "ATENCIÓN:\n"
     "Ocurrió el siguente error al iniciar la aplicación"},
    {1592, "ZULAppConfig.init.splash_caption", "Leyendo aplicación"},
    {1593, "ZULAppConfig.init.splash1", "Cargando ArchivoAplicación"},
    {1594, "ZULAppConfig.init.splash2", "Cargando BPL"},
    {1595, "ZULAppConfig.init.splash3", "Convirtiendo Arbol virtual"},
    {1596, "ZULAppConfig.init.splash4", "Registrando librerías"},
    {1597, "ZULAppConfig.init.splash5", "Leyendo recursos"},
    {1598, "ZULAppConfig.init.splash6", "Abriendo la Base de datos"},
    {1600, "ZULAppConfig.bbdini.splash_caption", "Base de Datos"},
    {1601, "ZULAppConfig.bbdini.splash1", "Conectando la base de datos"},
    {1602, "ZULAppConfig.bbdini.splash2", "Usuarios y permisos..."},
    {1603, "ZULAppConfig.bbdini.splash3", "Conectando ..."},
    {1609, "ZULAppConfig.bbdini.error_cannot_connect", "No se pudo conectar"},
    {1611, "ZULAppConfig.Check_ZULFile_ValidNode",
     "ERROR:\n"
     "El archivo ZUL no pertenece a esta aplicación\n"
     "Necesario: %s\n"
     "Encontrado: %s"},
    // KorvaneZip
    {1650, "KorvaneZip.restore_zur_alert",
     "ESTA APUNTO DE RECUPERAR UN ARCHIVO DE RECURSOS\n"
     "LOS ARCHIVOS DE RECURSOS CONTIENEN ENTRE OTROS DATOS: INFORMES, VISTAS Y FILTROS CREADOS POR EL "
     "USUARIO.\n"
     "SI RESTAURA DICHO ARCHIVO LOS DATOS ACTUALES SE SUSTITUIRAN POR LOS DE LA COPIA Y NO LOS PODRA "
     "RECUPERAR\n"
     "SI NO ESTA SEGURO DE LO QUE VA A HACER RESPONDA \"NO\""},
    {1651, "KorvaneZip.restore_zur_title", "ALERTA DE RESTAURACION DE UN ARCHIVO DE RECURSOS"},
    {1652, "KorvaneZip.restore_zur_error", "NO SE RECONOCE EL FORMATO DE DEL ARCHIVO"},
    {1653, "KorvaneZip.cannot_obtain_dirinfo",
     "No se puede obtener información del directorio destino\n"
     "%s"},
    {1654, "KorvaneZip.unit_empty",
     "La unidad está llena.\n"
     "Seleccione otro destino o cambie la unidad."},
    {1655, "KorvaneZip.empty_unit_new",
     "Unidad llena, retire unidad e inserte una nueva.\n"
     "Copiar la parte: %d"},
    {1656, "KorvaneZip.error_on_copy", "ERROR AL REALIZAR COPIA DE SEGURIDAD"},
    // FRMUserValues
    {1680, "FRMUserValues.caption", "Usuario de \"%s\""},
    {1681, "FRMUserValues.right_1", "Ver"},
    {1682, "FRMUserValues.right_2", "Añadir"},
    {1683, "FRMUserValues.right_3", "Modificar"},
    {1684, "FRMUserValues.right_4", "Borrar"},
    // FRMSplash
    {1700, "FRMSplash.cancel_process", "¿Cancelar el proceso?"},
    {1701, "FRMSplash.process_canceled", "Proceso cancelado por el usuario"},
    // FRMSelDataBase
    {1720, "FRMSelDataBase.no_db_selected", "No hay ninguna Base de Datos seleccionada"},
    {1721, "FRMSelDataBase.confirm_update_db",
     "Esta base de datos pertenece a una versión anterior del programa\n"
     "\n"
     "¿Desea crear una copia de dicha base de datos y traspasar los datos a la versión actual?"},
    {1722, "FRMSelDataBase.raise_only_db_admin_allowed",
     "Sólo el administrador de \"%s\" puede realizar esta operación"},
    {1723, "FRMSelDataBase.raise_source_file_not_exists", "El archivo origen no existe"},
    {1724, "FRMSelDataBase.raise_dest_file_allready_exists", "El archivo destino ya existe:"},
    {1725, "FRMSelDataBase.raise_cannot_create_dest_dir", "No puede crear el directorio de destino:"},
    {1726, "FRMSelDataBase.raise_cannot_copy_source_file",
     "No se puede copiar el archivo origen: \n"
     "\"%s\"\n"
     "en el destino:\n"
     "\"%s\""},
    {1727, "FRMSelDataBase.raise_cannot_duplicate_file", "No se pudo duplicar el archivo"},
    {1728, "FRMSelDataBase.error_cannot_delete_net_files",
     "¡ATENCIÓN!\n"
     "\n"
     "El archivo:\n"
     "\n"
     "%s\n"
     "\n"
     "Está ubicado en otro ordenador de la red.\n"
     "Como protección este programa no permite borrar archivos que no se encuentren en su ordenador.\n"
     "\n"
     "¡OPERACIÓN ABORTADA!"},
    {1729, "FRMSelDataBase.confirm_delete_db_file",
     "¡ATENCIÓN!\n"
     "\n"
     "Se dispone a BORRAR DEFINITIVAMENTE el archivo:\n"
     "\n"
     "%s\n"
     "\n"
     "¿ESTÁ SEGURO DE QUE QUIERE BORRARLO?"},
    {1730, "FRMSelDataBase.raise_vinc_file_nf",
     "No se encuentra el archivo vinculado: \n"
     "%s"},
    {1731, "FRMSelDataBase.raise_cannot_delete_file",
     "No se puede borrar el archivo \"%s\"\n"
     "Posiblemente el archivo esté abierto por otro usuario\n"
     "\n"
     "OPERACION ABORTADA"},
    {1733, "FRMSelDataBase.modify_db_action", "Modificar la base de datos"},
    // FRMRestaurarCopiaSeg
    {1750, "FRMRestaurarCopiaSeg.error_no_application", "No pertenece a la aplicación, imposible recuperar"},
    {1751, "FRMRestaurarCopiaSeg.no_file_selected", "No ha seleccionado ningún archivo para recuperar"},
    {1752, "FRMRestaurarCopiaSeg.confirm_selected_files",
     "Ha marcado un total de %d archivo/s\n"
     "\n"
     "¿Recuperar los archivos?"},
    {1753, "FRMRestaurarCopiaSeg.file_info", "Archivo %d/%d : %s (%d bytes)"},
    {1754, "FRMRestaurarCopiaSeg.message_ok",
     "Copia de seguridad restaurada con éxito\n"
     "\n"
     "Archivos Recuperados: %d de %d"},
    {1755, "FRMRestaurarCopiaSeg.info_invalid_appzip_version",
     "COPIA DE SEGURIDAD DE OTRA APLICACIÓN/VERSIÓN:\n"
     "\n"
     "La copia de seguridad no pertenece a la aplicación actual\n"
     "\n"
     "Pertenece a \"%s\" y no a \"%s\""},
    // FRMRealizarCopiaSeg
    {1800, "FRMRealizarCopiaSeg.label_info_task.comprimiendo", "Comprimiendo archivos..."},
    {1801, "FRMRealizarCopiaSeg.error.no_selected_file",
     "No se ha encontrado ningún archivo para realizar la copia"},
    {1802, "FRMRealizarCopiaSeg.label_info_task.saving", "Guardando en disco..."},
    {1803, "FRMRealizarCopiaSeg.message.ok",
     "Copia de seguridad de:\n"
     "%s\n"
     "\n"
     "Realizada con éxito en: \n"
     "%s"},
    // FRMPassword
    {1850, "FRMPassword.access_invalid_login", "El nombre de usuario o la contraseña no son correctos"},
    // FRMPasswords
    {1860, "FRMPasswords.delete_user",
     "Eliminar el usuario \"%s\"\n"
     "\n"
     "¿Continuar?"},
    {1861, "FRMPasswords.effect_on_restart",
     "Atención:\n"
     "\n"
     "Los cambios realizados tendrán efecto la\n"
     "próxima vez que inicie la aplicación."},
    // FRMEditDataBase
    {1900, "FRMEditDataBase.raise_edit_no_file", "Es necesario un nombre de archivo"},
    {1901, "FRMEditDataBase.raise_invalid_dir",
     "Los archivos de la carpeta %s están reservados para uso interno del programa\n"
     "\n"
     "Por favor, seleccione un archivo de otra carpeta."},
    {1905, "FRMEditDataBase.action_name", "Nombre Empresa"},
    {1906, "FRMEditDataBase.action_accion", "Acción"},
    {1907, "FRMEditDataBase.action_where", "Ubicar Datos"},
    {1908, "FRMEditDataBase.action_import", "Importar Datos"},
    {1909, "FRMEditDataBase.action_modify", "Modificar"},
    {1910, "FRMEditDataBase.action_delete", "Borrado"},
    {1911, "FRMEditDataBase.action_confirm", "Confirmacion"},
    {1912, "FRMEditDataBase.msg_new",
     "Se procederá a crear una nueva base de datos en blanco (sin datos).\n"
     "\n"
     "El archivo se creará en: \n"
     "%s\n"
     "\n"
     "La base de datos se llamará: \n"
     "%s"},
    {1913, "FRMEditDataBase.msg_diplicate",
     "Se duplicará la base de datos con los siguientes valores:\n"
     "El archivo se creará en: \n"
     "%s\n"
     "\n"
     "La base de datos creada se llamará: \n"
     "%s"},
    {1914, "FRMEditDataBase.msg_rights_table", "Se usará la base de datos de permisos siguiente:"},
    {1915, "FRMEditDataBase.msg_no_rights_table", "No se usará ninguna base de datos de permisos"},
    {1916, "FRMEditDataBase.msg_import",
     "Se procederá a importar todos los datos del archivo: \n"
     "%s\n"
     "\n"
     "Los datos resultado de la importación se guardarán en: %s\n"
     "\n"
     "La base de datos se llamará: \n"
     "%s"},
    {1917, "FRMEditDataBase.msg_vincular",
     "Se procederá vincular una base de datos existente con el nuevo nombre: \n"
     "%s\n"
     "\n"
     "Los datos de esta nueva base de datos se encuentran en: \n"
     "%s"},
    {1918, "FRMEditDataBase.msg_del_assign",
     "Se borrará la base de datos \"%s\"\n"
     "\n"
     "El archivo con todos los datos no se borrará y se encuentra en: %s\n"
     "\n"
     "En cualquier momento se puede volver a utilizar dichos datos mediante la opción \"%s\"."},
    {1919, "FRMEditDataBase.msg_delete",
     "Se borrará la base de datos \"%s\"\n"
     "\n"
     "También se borrará el archivo que contiene todos los datos de la misma y que está en: \n"
     "%s\n"
     "\n"
     "UNA VEZ BORRADO NO SE PODRÁN RECUPERAR SUS DATOS"},
    {1920, "FRMEditDataBase.msg_modify",
     "El nuevo nombre de la base de datos es: \n"
     "%s\n"
     "\n"
     "El archivo que contiene los datos está en: \n"
     "%s"},
    {1921, "FRMEditDataBase.info_1",
     "Escriba el nombre con el que aparecerá la base de datos en la lista de empresas."},
    {1922, "FRMEditDataBase.info_2",
     "Crea una base de datos nueva en blanco (sin datos) para empezar a trabajar."},
    {1923, "FRMEditDataBase.info_3",
     "Crea una base de datos nueva con los datos de una base de datos de una versión anterior o de otro "
     "programa ZUL."},
    {1924, "FRMEditDataBase.info_4",
     "Añade a la lista una base de datos que ya existe, por ejemplo en otro ordenador de la red o recuperada "
     "de una copia de seguridad."},
    {1925, "FRMEditDataBase.info_5",
     "Seleccione el archivo de la base de datos ya existente que quiere añadir a la lista."},
    {1926, "FRMEditDataBase.info_6",
     "Seleccione el archivo de la base de datos de la versión anterior cuyos datos quiere importar."},
    {1927, "FRMEditDataBase.info_7",
     "Modifique el nombre de la base de datos, el archivo que contiene los datos y, si lo utiliza, el "
     "archivo de permisos."},
    {1928, "FRMEditDataBase.info_8",
     "Quita la base de datos de la lista del programa. El archivo con los datos no se borra y se puede "
     "volver a añadir más adelante."},
    {1929, "FRMEditDataBase.info_9",
     "Quita la base de datos de la lista y BORRA el archivo con todos sus datos. Los datos borrados no se "
     "podrán recuperar."},
    {1930, "FRMEditDataBase.next_error_no_name", "Es necesario un nombre para la Base de Datos"},
    {1931, "FRMEditDataBase.next_error_no_option", "No ha seleccionado ninguna opción"},
    {1932, "FRMEditDataBase.next_error_no_empresa_name", "Es necesario un nombre de empresa"},
    {1933, "FRMEditDataBase.next_error_another_file_name",
     "Debe indicar un nombre de archivo DISTINTO al que tiene actualmente"},
    {1934, "FRMEditDataBase.init_copy_of", "Copia de:"},
    {1935, "FRMEditDataBase.init_modify", "MODIFICACIÓN"},
    {1936, "FRMEditDataBase.init_adding", "AÑADIENDO"},
    {1937, "FRMEditDataBase.init_delete", "BORRADO"},
    {1938, "FRMEditDataBase.init_duplicate", "DUPLICADO"},
    {1939, "FRMEditDataBase.init_import", "IMPORTAR"},
    {2008, "FRMEditDataBase.notify_clipboard_copy",
     "La ubicación de la base de datos se ha copiado en el portapapeles"},
    {2009, "FRMEditDataBase.msg_info",
     "Nombre y ubicación del archivo de la base de datos.\n"
     "Pulse el botón para copiar la ubicación en el portapapeles."},
    // FRMConfigZULUpdate
    {2000, "FRMConfigZULUpdate.action.actualiza", "Actualizaciones"},
    {2001, "FRMConfigZULUpdate.message_first_time",
     "Actualizaciones automáticas de %s\n"
     "\n"
     "El programa necesita conectar a internet para instalar la última versión disponible\n"
     "de %s en su ordenador\n"
     "\n"
     "NOTA: Es posible que aparezca un mensaje de Windows pidiendo autorización.\n"
     "También puede desactivar las actualizaciones en la opción del menú \"Configurar > Actualizaciones\"\n"
     "\n"
     "¿Desea continuar?"},
    {2002, "FRMConfigZULUpdate.message_files_found",
     "Existe una actualización de %s disponible\n"
     "(necesita descargar %d archivos de internet)\n"
     "\n"
     "Para actualizar es necesario cerrar el programa\n"
     "¿Continuar y actualizar?"},
    {2003, "FRMConfigZULUpdate.error_no_ZULUpdate",
     "No se encuentra el programa de actualización.\n"
     "No es posible actualizar la aplicación."},
    {2004, "FRMConfigZULUpdate.version_ok", "La versión instalada está actualizada"},
    {2005, "FRMConfigZULUpdate.never", "(nunca)"},
    {2006, "FRMConfigZULUpdate.invalid_proxy_port", "Puerto del proxy no válido"},
    {2007, "FRMConfigZULUpdate.invalid_proxy_name", "Nombre del servidor proxy no válido"},
    // FRMEnviaSMS
    {2101, "FRMEnviaSMS.Error_Internet_Conection", "Error en la conexión a Internet"},
    {2102, "FRMEnviaSMS.Correct_Send", "Envío correcto"},
    {2103, "FRMEnviaSMS.Code_No_Autent", "USUARIO/PASSWORD INCORRECTO: %s"},
    {2104, "FRMEnviaSMS.Code_Error_Remitente", "ERROR EN EL REMITENTE: %s"},
    {2105, "FRMEnviaSMS.Code_No_Credit", "CREDITO INSUFICIENTE: %s"},
    {2106, "FRMEnviaSMS.Code_Unknown", "ERROR INDEFINIDO: %s"},
    {2107, "FRMEnviaSMS.Cannot_Connect_sms_server", "No se pudo conectar al servidor"},
    {2110, "FRMEnviaSMS.Confirm_send",
     "El mensaje se enviará a %s teléfonos.\n"
     "Es necesario que el programa tenga acceso a Internet.\n"
     "¿Aceptar el proceso?"},
    {2111, "FRMEnviaSMS.Send_start", "Enviando %s SMS"},
    {2112, "FRMEnviaSMS.Sends_ok", "SMS enviados: %s"},
    {2113, "FRMEnviaSMS.Sends_error", "SMS no enviados: %s"},
    {2114, "FRMEnviaSMS.Send_Error_Msg", "Mensaje de error:"},
    {2115, "FRMEnviaSMS.Send_Coste", "Coste del envio: %s"},
    {2116, "FRMEnviaSMS.Send_Saldo", "Saldo restante: %s *"},
    {2117, "FRMEnviaSMS.Send_Saldo_Descr", "* Saldo disponible en la cuenta de envío de SMS"},
    {2118, "FRMEnviaSMS.Send_Error_Process", "Error en el proceso:"},
    {2119, "FRMEnviaSMS.Send_End", "Fin del proceso de envio"},
    {2120, "FRMEnviaSMS.Send_End_Msg_ok", "El proceso terminó correctamente y envió %s SMS"},
    {2121, "FRMEnviaSMS.Send_End_Msg_Err",
     "El proceso finalizó con errores:\n"
     "SMS enviados: %s\n"
     "SMS no enviados: %s"},
    {2130, "FRMEnviaSMS.Invalid_number_query",
     "El número de teléfono de este registro no parece válido.\n"
     "¿Está seguro de que quiere seleccionarlo?"},
    {2131, "FRMEnviaSMS.Need_1_number", "Es necesario seleccionar como mínimo un destinatario"},
    {2132, "FRMEnviaSMS.No_message", "Es necesario introducir un texto en el mensaje."},
    {2133, "FRMEnviaSMS.Message_max_length",
     "Mensaje demasiado largo. El mensaje puede tener como máximo 160 caracteres."},
    {2134, "FRMEnviaSMS.Need_username", "Es necesario introducir un nombre de usuario."},
    {2135, "FRMEnviaSMS.Need_Password", "Es necesario introducir un password."},
    {2136, "FRMEnviaSMS.Error_In_message_source",
     "Error en el mensaje, compruebe que los símbolos { y } se corresponden"},
    {2137, "FRMEnviaSMS.Number_in_list", "El número de teléfono ya está en la lista"},
    {2138, "FRMEnviaSMS.Number_invalid", "El número de teléfono no es válido"},
}};

}  // namespace

std::span<const TTranslateiNum> TransArray() { return kTransArray; }
