<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en">
<context>
    <name>AboutDlg</name>
    <message>
        <source>About Orvane</source>
        <translation>Acerca de Orvane</translation>
    </message>
    <message>
        <source>Melvex400 Orvane Version 1.0</source>
        <translation>Melvex400 Orvane versión 1.0</translation>
    </message>
    <message>
        <source>Channel list editor for the receiver&apos;s database</source>
        <translation>Editor de la lista de canales de la base de datos del receptor</translation>
    </message>
</context>
<context>
    <name>AppMessages</name>
    <message>
        <source>It has no DB. First open your DB!</source>
        <translation>No hay ninguna BD abierta. ¡Abra primero su BD!</translation>
    </message>
</context>
<context>
    <name>BulkCommands</name>
    <message>
        <source>Loc&amp;k</source>
        <translation>&amp;Bloquear</translation>
    </message>
    <message>
        <source>U&amp;nlock</source>
        <translation>Des&amp;bloquear</translation>
    </message>
    <message>
        <source>&amp;Hide</source>
        <translation>&amp;Ocultar</translation>
    </message>
    <message>
        <source>Un&amp;hide</source>
        <translation>&amp;Mostrar</translation>
    </message>
    <message>
        <source>Move to &amp;Top</source>
        <translation>Mover al &amp;principio</translation>
    </message>
    <message>
        <source>Move to &amp;Bottom</source>
        <translation>Mover al &amp;final</translation>
    </message>
    <message>
        <source>Move to N&amp;umber…</source>
        <translation>Mover al n&amp;úmero…</translation>
    </message>
    <message>
        <source>Replace in &amp;Names…</source>
        <translation>Reemplazar en los &amp;nombres…</translation>
    </message>
    <message>
        <source>&amp;Renumber Selection From…</source>
        <translation>&amp;Renumerar la selección desde…</translation>
    </message>
    <message>
        <source>exceed valid number!</source>
        <translation>¡Número no válido!</translation>
    </message>
    <message>
        <source>%1 failed (sqlite3 error %2); nothing was changed.</source>
        <translation>%1 falló (error de sqlite3 %2); no se ha cambiado nada.</translation>
    </message>
    <message>
        <source>Move to Number</source>
        <translation>Mover al número</translation>
    </message>
    <message>
        <source>The selected channels take the places from:</source>
        <translation>Los canales seleccionados ocupan las posiciones desde:</translation>
    </message>
    <message>
        <source>Renumber Selection From</source>
        <translation>Renumerar la selección desde</translation>
    </message>
    <message>
        <source>The selected channels are numbered from:</source>
        <translation>Los canales seleccionados se numeran desde:</translation>
    </message>
    <message>
        <source>Adding to &quot;%1&quot;</source>
        <translation>Añadiendo a «%1»</translation>
    </message>
    <message>
        <source>You already insert same channel!
%1 of the %2 channels were in &quot;%3&quot; already and were skipped.</source>
        <translation>¡Este canal ya está incluido!
%1 de los %2 canales ya estaban en «%3» y se han omitido.</translation>
    </message>
    <message>
        <source>Add to &amp;Favourite Group</source>
        <translation>Añadir al grupo de &amp;favoritos</translation>
    </message>
    <message>
        <source>Renumbering</source>
        <translation>Renumerando</translation>
    </message>
    <message>
        <source>Replacing in names</source>
        <translation>Reemplazando en los nombres</translation>
    </message>
    <message numerus="yes">
        <source>Lock %n channel(s)</source>
        <translation>
            <numerusform>Bloquear %n canal</numerusform>
            <numerusform>Bloquear %n canales</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Unlock %n channel(s)</source>
        <translation>
            <numerusform>Desbloquear %n canal</numerusform>
            <numerusform>Desbloquear %n canales</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Hide %n channel(s)</source>
        <translation>
            <numerusform>Ocultar %n canal</numerusform>
            <numerusform>Ocultar %n canales</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Unhide %n channel(s)</source>
        <translation>
            <numerusform>Mostrar %n canal</numerusform>
            <numerusform>Mostrar %n canales</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Add %n channel(s) to %1</source>
        <translation>
            <numerusform>Añadir %n canal a %1</numerusform>
            <numerusform>Añadir %n canales a %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n other channel(s) are already numbered from %1 to %2.
Move the channels numbered %1 and up by %3 to make room? No cancels.</source>
        <translation>
            <numerusform>%n canal más ya está numerado del %1 al %2.
¿Desplazar %3 posiciones los canales numerados desde el %1 para hacer sitio? No cancela.</numerusform>
            <numerusform>%n canales más ya están numerados del %1 al %2.
¿Desplazar %3 posiciones los canales numerados desde el %1 para hacer sitio? No cancela.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Renumber %n channel(s) from %1</source>
        <translation>
            <numerusform>Renumerar %n canal desde %1</numerusform>
            <numerusform>Renumerar %n canales desde %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Replace in %n name(s)</source>
        <translation>
            <numerusform>Reemplazar en %n nombre</numerusform>
            <numerusform>Reemplazar en %n nombres</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Move %n channel(s) to the top</source>
        <translation>
            <numerusform>Mover %n canal al principio</numerusform>
            <numerusform>Mover %n canales al principio</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Move %n channel(s) to the bottom</source>
        <translation>
            <numerusform>Mover %n canal al final</numerusform>
            <numerusform>Mover %n canales al final</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Move %n channel(s) to number %1</source>
        <translation>
            <numerusform>Mover %n canal al número %1</numerusform>
            <numerusform>Mover %n canales al número %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BusyProgress</name>
    <message>
        <source>%1: %2 of %3</source>
        <translation>%1: %2 de %3</translation>
    </message>
</context>
<context>
    <name>CAddChannelsDlg</name>
    <message>
        <source>Add Channels from Another File</source>
        <translation>Añadir canales de otro archivo</translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) of %1 are not in this file:</source>
        <translation>
            <numerusform>%n canal de %1 no está en este archivo:</numerusform>
            <numerusform>%n canales de %1 no están en este archivo:</numerusform>
        </translation>
    </message>
    <message>
        <source>Filter by name, satellite or provider</source>
        <translation>Filtrar por nombre, satélite o proveedor</translation>
    </message>
    <message>
        <source>No</source>
        <translation>N.º</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satélite</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Transpondedor</translation>
    </message>
    <message>
        <source>Provider</source>
        <translation>Proveedor</translation>
    </message>
    <message>
        <source>after the last channel</source>
        <translation>tras el último canal</translation>
    </message>
    <message>
        <source>&amp;Number from:</source>
        <translation>&amp;Numerar desde:</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Seleccionar &amp;todo</translation>
    </message>
    <message>
        <source>Select the channels to add.</source>
        <translation>Seleccione los canales que desea añadir.</translation>
    </message>
    <message>
        <source>Give a channel number from 1 to 99999, or leave it blank.</source>
        <translation>Indique un número de canal del 1 al 99999 o deje el campo vacío.</translation>
    </message>
</context>
<context>
    <name>CBulkCommands</name>
    <message>
        <source>Renumbering channels</source>
        <translation>Renumerando canales</translation>
    </message>
    <message>
        <source>Renaming channels</source>
        <translation>Renombrando canales</translation>
    </message>
</context>
<context>
    <name>CCompareFileDlg</name>
    <message>
        <source>Compare with %1</source>
        <translation>Comparación con %1</translation>
    </message>
    <message>
        <source>%1 added, %2 removed, %3 moved, %4 renamed</source>
        <translation>%1 añadidos, %2 eliminados, %3 movidos, %4 renombrados</translation>
    </message>
    <message>
        <source>All changes</source>
        <translation>Todos los cambios</translation>
    </message>
    <message>
        <source>Added</source>
        <translation>Añadidos</translation>
    </message>
    <message>
        <source>Removed</source>
        <translation>Eliminados</translation>
    </message>
    <message>
        <source>Moved</source>
        <translation>Movidos</translation>
    </message>
    <message>
        <source>Renamed</source>
        <translation>Renombrados</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Cambio</translation>
    </message>
    <message>
        <source>No</source>
        <translation>N.º</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>New No</source>
        <translation>N.º nuevo</translation>
    </message>
    <message>
        <source>New Name</source>
        <translation>Nombre nuevo</translation>
    </message>
    <message>
        <source>Rule</source>
        <translation>Regla</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satélite</translation>
    </message>
    <message>
        <source>added</source>
        <translation>añadido</translation>
    </message>
    <message>
        <source>removed</source>
        <translation>eliminado</translation>
    </message>
    <message>
        <source>moved</source>
        <translation>movido</translation>
    </message>
    <message>
        <source>renamed</source>
        <translation>renombrado</translation>
    </message>
    <message>
        <source>Apply &amp;Order from This File</source>
        <translation>Aplicar el &amp;orden de este archivo</translation>
    </message>
    <message>
        <source>Add &amp;New Channels to Group…</source>
        <translation>Añadir los canales &amp;nuevos a un grupo…</translation>
    </message>
</context>
<context>
    <name>CCrossFileTools</name>
    <message>
        <source>Add New Channels to Group</source>
        <translation>Añadir los canales nuevos a un grupo</translation>
    </message>
    <message>
        <source>&amp;Group:</source>
        <translation>&amp;Grupo:</translation>
    </message>
    <message>
        <source>&amp;Compare with File…</source>
        <translation>&amp;Comparar con un archivo…</translation>
    </message>
    <message>
        <source>&amp;Add Channels from Another File…</source>
        <translation>&amp;Añadir canales de otro archivo…</translation>
    </message>
    <message>
        <source>%1 fails the receiver&apos;s checks and was not used; nothing was changed.
%2</source>
        <translation>%1 no supera las comprobaciones del receptor y no se ha usado; no se ha cambiado nada.
%2</translation>
    </message>
    <message>
        <source>Compare with File</source>
        <translation>Comparar con un archivo</translation>
    </message>
    <message>
        <source>Add Channels from Another File</source>
        <translation>Añadir canales de otro archivo</translation>
    </message>
    <message>
        <source>%1 could not be read.
%2</source>
        <translation>No se pudo leer %1.
%2</translation>
    </message>
    <message>
        <source>This file has no favourite group to add the channels to.</source>
        <translation>Este archivo no tiene ningún grupo de favoritos al que añadir los canales.</translation>
    </message>
    <message numerus="yes">
        <source>Add %n new channel(s) to %1</source>
        <translation>
            <numerusform>Añadir %n canal nuevo a %1</numerusform>
            <numerusform>Añadir %n canales nuevos a %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Adding to &quot;%1&quot; failed (sqlite3 error %2); nothing was changed.</source>
        <translation>Falló la adición a «%1» (error de sqlite3 %2); no se ha cambiado nada.</translation>
    </message>
    <message>
        <source>This file holds every channel of %1.</source>
        <translation>Este archivo contiene todos los canales de %1.</translation>
    </message>
    <message>
        <source>None of the chosen channels can be added; nothing was changed.
%1</source>
        <translation>No se puede añadir ninguno de los canales elegidos; no se ha cambiado nada.
%1</translation>
    </message>
    <message numerus="yes">
        <source>%n of the chosen channels cannot be added. Add the %1 others?</source>
        <translation>
            <numerusform>%n de los canales elegidos no se puede añadir. ¿Añadir los otros %1?</numerusform>
            <numerusform>%n de los canales elegidos no se pueden añadir. ¿Añadir los otros %1?</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Add the Others</source>
        <translation>&amp;Añadir los otros</translation>
    </message>
    <message numerus="yes">
        <source>Add %n channel(s) from %1</source>
        <translation>
            <numerusform>Añadir %n canal de %1</numerusform>
            <numerusform>Añadir %n canales de %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Adding the channels failed (sqlite3 error %1); nothing was changed.</source>
        <translation>Falló la adición de los canales (error de sqlite3 %1); no se ha cambiado nada.</translation>
    </message>
</context>
<context>
    <name>CEditLnbDlg</name>
    <message>
        <source>Local Freq (high band)</source>
        <translation>Frec. OL (banda alta)</translation>
    </message>
</context>
<context>
    <name>CLNBView</name>
    <message>
        <source>Copy Tuner1&apos;s LNB settings to Tuner2</source>
        <translation>Copiar la configuración LNB del sintonizador 1 al sintonizador 2</translation>
    </message>
    <message>
        <source>Showing Tuner%1</source>
        <translation>Se muestra: sintonizador %1</translation>
    </message>
</context>
<context>
    <name>COrvaneView</name>
    <message>
        <source>Renumbering channels</source>
        <translation>Renumerando canales</translation>
    </message>
</context>
<context>
    <name>CPrintCommands</name>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Imprimir…</translation>
    </message>
    <message>
        <source>Print Pre&amp;view…</source>
        <translation>&amp;Vista previa de impresión…</translation>
    </message>
    <message>
        <source>&amp;Export as PDF…</source>
        <translation>&amp;Exportar como PDF…</translation>
    </message>
    <message>
        <source>The list could not be printed.</source>
        <translation>No se pudo imprimir la lista.</translation>
    </message>
    <message>
        <source>Export as PDF</source>
        <translation>Exportar como PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>%1 is the open channel file; choose another name for the PDF.</source>
        <translation>%1 es el archivo de canales abierto; elija otro nombre para el PDF.</translation>
    </message>
</context>
<context>
    <name>CStatusCounts</name>
    <message>
        <source>%1 of %2 shown</source>
        <translation>%1 de %2 mostrados</translation>
    </message>
    <message>
        <source>   Group &quot;%1&quot;: %2</source>
        <translation>   Grupo «%1»: %2</translation>
    </message>
</context>
<context>
    <name>CTransferDlg</name>
    <message>
        <source>Details</source>
        <translation>Detalles</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>CUsbDownloadDlg</name>
    <message>
        <source>probe: the receiver answered</source>
        <translation>sondeo: el receptor respondió</translation>
    </message>
    <message>
        <source>size: %1 bytes in %2, which passed the checks</source>
        <translation>tamaño: %1 bytes en %2, que pasó las comprobaciones</translation>
    </message>
    <message>
        <source>restore: sending the backup %1</source>
        <translation>restauración: enviando la copia de seguridad %1</translation>
    </message>
</context>
<context>
    <name>CUsbUploadDlg</name>
    <message>
        <source>probe: the receiver answered</source>
        <translation>sondeo: el receptor respondió</translation>
    </message>
    <message>
        <source>size and announcement: %1 bytes, into %2</source>
        <translation>tamaño y anuncio: %1 bytes, a %2</translation>
    </message>
    <message>
        <source>received: %1 of %2 bytes in %3 chunks</source>
        <translation>recibidos: %1 de %2 bytes en %3 bloques</translation>
    </message>
    <message>
        <source>removed the part received, %1</source>
        <translation>se eliminó la parte recibida, %1</translation>
    </message>
    <message>
        <source>Received %1 bytes in %2 s into %3</source>
        <translation>Recibidos %1 bytes en %2 s en %3</translation>
    </message>
</context>
<context>
    <name>ChannelFindBar</name>
    <message>
        <source>Previous match (Shift+F3)</source>
        <translation>Coincidencia anterior (Mayús+F3)</translation>
    </message>
    <message>
        <source>Next match (F3)</source>
        <translation>Coincidencia siguiente (F3)</translation>
    </message>
    <message>
        <source>Name, provider, service id or MHz</source>
        <translation>Nombre, proveedor, ID de servicio o MHz</translation>
    </message>
    <message>
        <source>Close the find bar (Esc)</source>
        <translation>Cerrar la barra de búsqueda (Esc)</translation>
    </message>
    <message>
        <source>F&amp;ind:</source>
        <translation>&amp;Buscar:</translation>
    </message>
    <message>
        <source>Only &amp;matches</source>
        <translation>Solo &amp;coincidencias</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>TV</translation>
    </message>
    <message>
        <source>&amp;Radio</source>
        <translation>&amp;Radio</translation>
    </message>
    <message>
        <source>Any satellite</source>
        <translation>Cualquier satélite</translation>
    </message>
    <message>
        <source>Loc&amp;ked</source>
        <translation>Bloq&amp;ueados</translation>
    </message>
    <message>
        <source>Hi&amp;dden</source>
        <translation>Ocu&amp;ltos</translation>
    </message>
    <message>
        <source>&amp;Scrambled</source>
        <translation>&amp;Codificados</translation>
    </message>
    <message>
        <source>&amp;Not in a favourite group</source>
        <translation>&amp;En ningún grupo de favoritos</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>Reached the end, continued from the top</source>
        <translation>Se llegó al final; se continúa desde el principio</translation>
    </message>
    <message>
        <source>Reached the top, continued from the bottom</source>
        <translation>Se llegó al principio; se continúa desde el final</translation>
    </message>
    <message>
        <source>No match</source>
        <translation>Sin coincidencias</translation>
    </message>
</context>
<context>
    <name>ChannelTools</name>
    <message>
        <source>CSV Files (*.csv);;All Files (*.*)</source>
        <translation>Archivos CSV (*.csv);;Todos los archivos (*.*)</translation>
    </message>
    <message>
        <source>&amp;Export Channels to CSV…</source>
        <translation>&amp;Exportar canales a CSV…</translation>
    </message>
    <message>
        <source>&amp;Import Channels from CSV…</source>
        <translation>&amp;Importar canales desde CSV…</translation>
    </message>
    <message>
        <source>Apply &amp;Order from Reference File…</source>
        <translation>Aplicar el &amp;orden de un archivo de referencia…</translation>
    </message>
    <message>
        <source>Find &amp;Duplicate Channels…</source>
        <translation>Buscar canales &amp;duplicados…</translation>
    </message>
    <message>
        <source>The channels could not be read (sqlite3 error %1).</source>
        <translation>No se pudieron leer los canales (error de sqlite3 %1).</translation>
    </message>
    <message>
        <source>%1 failed (sqlite3 error %2); nothing was changed.</source>
        <translation>%1 falló (error de sqlite3 %2); no se ha cambiado nada.</translation>
    </message>
    <message>
        <source>Export Channels to CSV</source>
        <translation>Exportar canales a CSV</translation>
    </message>
    <message>
        <source>%1 could not be written.
%2</source>
        <translation>No se pudo escribir %1.
%2</translation>
    </message>
    <message>
        <source>%1 channels were written to %2.</source>
        <translation>Se escribieron %1 canales en %2.</translation>
    </message>
    <message>
        <source>Import Channels from CSV</source>
        <translation>Importar canales desde CSV</translation>
    </message>
    <message>
        <source>%1 could not be read as a channel list.</source>
        <translation>%1 no se pudo leer como lista de canales.</translation>
    </message>
    <message>
        <source>%1 was not imported; nothing was changed.
%2</source>
        <translation>%1 no se importó; no se ha cambiado nada.
%2</translation>
    </message>
    <message>
        <source>%1 changes nothing.</source>
        <translation>%1 no cambia nada.</translation>
    </message>
    <message>
        <source>Importing %1 makes these %2 changes:</source>
        <translation>Importar %1 hace estos %2 cambios:</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importar</translation>
    </message>
    <message>
        <source>The import</source>
        <translation>La importación</translation>
    </message>
    <message>
        <source>Apply Order from Reference File</source>
        <translation>Aplicar el orden de un archivo de referencia</translation>
    </message>
    <message>
        <source>Reference Lists (*.dat *.csv);;All Files (*.*)</source>
        <translation>Listas de referencia (*.dat *.csv);;Todos los archivos (*.*)</translation>
    </message>
    <message>
        <source>The reference list could not be read; nothing was changed.
%1</source>
        <translation>No se pudo leer la lista de referencia; no se ha cambiado nada.
%1</translation>
    </message>
    <message>
        <source>Matched channels take the order of %1; unmatched ones follow in their current order.</source>
        <translation>Los canales emparejados toman el orden de %1; los demás siguen en su orden actual.</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Aplicar</translation>
    </message>
    <message>
        <source>Also take the reference&apos;s &amp;favourite groups</source>
        <translation>Tomar también los grupos de &amp;favoritos de la referencia</translation>
    </message>
    <message>
        <source>Applying the order</source>
        <translation>Aplicando el orden</translation>
    </message>
    <message>
        <source>No duplicate channels were found.</source>
        <translation>No se encontraron canales duplicados.</translation>
    </message>
    <message>
        <source>Find Duplicate Channels</source>
        <translation>Buscar canales duplicados</translation>
    </message>
    <message>
        <source>%1 sets of channels are the same channel. Removing keeps the one in [ ] (a favourite, else the lowest number) of each set.</source>
        <translation>%1 conjuntos de canales son el mismo canal. Al eliminar se conserva el que está entre [ ] (un favorito o, si no, el número más bajo) de cada conjunto.</translation>
    </message>
    <message>
        <source>&amp;Remove Duplicates</source>
        <translation>&amp;Eliminar duplicados</translation>
    </message>
    <message>
        <source>Remove %1 channels with their favourite, schedule and scramble rows?</source>
        <translation>¿Eliminar %1 canales con sus entradas de favoritos, programación y codificación?</translation>
    </message>
    <message>
        <source>Removing the duplicates</source>
        <translation>Eliminando los duplicados</translation>
    </message>
    <message>
        <source>Import channels from CSV</source>
        <translation>Importar canales desde CSV</translation>
    </message>
    <message>
        <source>Apply order from reference file</source>
        <translation>Aplicar el orden de un archivo de referencia</translation>
    </message>
    <message>
        <source>Remove duplicate channels</source>
        <translation>Quitar canales duplicados</translation>
    </message>
</context>
<context>
    <name>CloseCommand</name>
    <message>
        <source>No Title</source>
        <translation>Sin título</translation>
    </message>
</context>
<context>
    <name>DbProblems</name>
    <message>
        <source>not enough memory</source>
        <translation>memoria insuficiente</translation>
    </message>
    <message>
        <source>The list could not be read from the DB: %1.</source>
        <translation>No se pudo leer la lista de la BD: %1.</translation>
    </message>
    <message>
        <source>This row holds a value that the receiver&apos;s format does not allow (%1). It is left unchanged.</source>
        <translation>Esta fila contiene un valor que el formato del receptor no admite (%1). Se deja sin cambios.</translation>
    </message>
</context>
<context>
    <name>DialogFields</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>%1 must be a whole number from %2 to %3.</source>
        <translation>%1 debe ser un número entero del %2 al %3.</translation>
    </message>
    <message>
        <source>%1 must be a number.</source>
        <translation>%1 debe ser un número.</translation>
    </message>
    <message>
        <source>Enter the data in all fields!</source>
        <translation>¡Rellene todos los campos!</translation>
    </message>
    <message>
        <source>Fill the data to the every fields!</source>
        <translation>¡Rellene todos los campos!</translation>
    </message>
</context>
<context>
    <name>EditChannelDlg</name>
    <message>
        <source>No channel number below 20000 is free.
The channel is not added.</source>
        <translation>No queda libre ningún número de canal por debajo de 20000.
El canal no se añade.</translation>
    </message>
    <message>
        <source>The provider could not be stored in the DB.
Nothing has been changed.</source>
        <translation>No se pudo guardar el proveedor en la BD.
No se ha cambiado nada.</translation>
    </message>
    <message>
        <source>The channel could not be stored in the DB.
Nothing has been changed.</source>
        <translation>No se pudo guardar el canal en la BD.
No se ha cambiado nada.</translation>
    </message>
    <message>
        <source>Edit Channel</source>
        <translation>Editar canal</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>N&amp;IT Info</source>
        <translation>Info N&amp;IT</translation>
    </message>
    <message>
        <source>SAT Name :</source>
        <translation>Nombre del SAT :</translation>
    </message>
    <message>
        <source>Service</source>
        <translation>Servicio</translation>
    </message>
    <message>
        <source>CH &amp;Name :</source>
        <translation>&amp;Nombre del canal :</translation>
    </message>
    <message>
        <source>CH No :</source>
        <translation>N.º de canal :</translation>
    </message>
    <message>
        <source>Service I&amp;D :</source>
        <translation>I&amp;D de servicio :</translation>
    </message>
    <message>
        <source>&amp;Provider :</source>
        <translation>&amp;Proveedor :</translation>
    </message>
    <message>
        <source>&amp;V-Pid :</source>
        <translation>PID de &amp;vídeo :</translation>
    </message>
    <message>
        <source>&amp;A-Pid :</source>
        <translation>PID de &amp;audio :</translation>
    </message>
    <message>
        <source>P&amp;CR-PID :</source>
        <translation>PID P&amp;CR :</translation>
    </message>
    <message>
        <source>P&amp;MT-Pid :</source>
        <translation>PID P&amp;MT :</translation>
    </message>
    <message>
        <source>Service ID</source>
        <translation>ID de servicio</translation>
    </message>
    <message>
        <source>V-Pid</source>
        <translation>PID de vídeo</translation>
    </message>
    <message>
        <source>A-Pid</source>
        <translation>PID de audio</translation>
    </message>
    <message>
        <source>PCR-PID</source>
        <translation>PID PCR</translation>
    </message>
    <message>
        <source>PMT-Pid</source>
        <translation>PID PMT</translation>
    </message>
    <message>
        <source>Flag</source>
        <translation>Atributos</translation>
    </message>
    <message>
        <source>&amp;Locked(L)</source>
        <translation>&amp;Bloqueado(L)</translation>
    </message>
    <message>
        <source>&amp;Scrambled(S)</source>
        <translation>&amp;Codificado(S)</translation>
    </message>
    <message>
        <source>&amp;Hide(H)</source>
        <translation>&amp;Oculto(H)</translation>
    </message>
    <message>
        <source>&amp;TV</source>
        <translation>&amp;TV</translation>
    </message>
    <message>
        <source>&amp;Radio</source>
        <translation>&amp;Radio</translation>
    </message>
</context>
<context>
    <name>EditCommands</name>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Añadir</translation>
    </message>
    <message>
        <source>Edit	Space</source>
        <translation>Editar	Space</translation>
    </message>
    <message>
        <source>&amp;Edit	Space</source>
        <translation>&amp;Editar	Space</translation>
    </message>
    <message>
        <source>Delete	Del</source>
        <translation>Eliminar	Del</translation>
    </message>
    <message>
        <source>&amp;Delete	Del</source>
        <translation>E&amp;liminar	Del</translation>
    </message>
    <message>
        <source>Renumber</source>
        <translation>Renumerar</translation>
    </message>
</context>
<context>
    <name>EditLnbDlg</name>
    <message>
        <source>Edit LNB</source>
        <translation>Editar LNB</translation>
    </message>
    <message>
        <source>NONE</source>
        <translation>NINGUNO</translation>
    </message>
    <message>
        <source>mini A</source>
        <translation>mini A</translation>
    </message>
    <message>
        <source>mini B</source>
        <translation>mini B</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>APAGADO</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>ENCENDIDO</translation>
    </message>
    <message>
        <source>AUTO</source>
        <translation>AUTO</translation>
    </message>
    <message>
        <source>Local Freq</source>
        <translation>Frec. OL</translation>
    </message>
    <message>
        <source>Satellite :</source>
        <translation>Satélite :</translation>
    </message>
    <message>
        <source>LNB Type :</source>
        <translation>Tipo de LNB :</translation>
    </message>
    <message>
        <source>Local Freq :</source>
        <translation>Frec. OL :</translation>
    </message>
    <message>
        <source>DiSEqC 1.0 :</source>
        <translation>DiSEqC 1.0 :</translation>
    </message>
    <message>
        <source>DiSEqC 1.1 :</source>
        <translation>DiSEqC 1.1 :</translation>
    </message>
    <message>
        <source>22 khz :</source>
        <translation>22 kHz :</translation>
    </message>
    <message>
        <source>TP Freq :</source>
        <translation>Frec. TP :</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Introduzca un número entero entre %1 y %2.</translation>
    </message>
</context>
<context>
    <name>EditNitDlg</name>
    <message>
        <source>The TP could not be stored in the DB.
Nothing has been changed.</source>
        <translation>No se pudo guardar el transpondedor en la BD.
No se ha cambiado nada.</translation>
    </message>
    <message>
        <source>Edit NIT</source>
        <translation>Editar NIT</translation>
    </message>
    <message>
        <source>TP information</source>
        <translation>Información del transpondedor</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Vertical</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>Freq [MHz]</source>
        <translation>Frec. [MHz]</translation>
    </message>
    <message>
        <source>Symbolrate</source>
        <translation>Tasa de símbolos</translation>
    </message>
    <message>
        <source>Freq [MHz] :</source>
        <translation>Frec. [MHz] :</translation>
    </message>
    <message>
        <source>Symbolrate :</source>
        <translation>Tasa de símbolos :</translation>
    </message>
    <message>
        <source>Polarity :</source>
        <translation>Polarización :</translation>
    </message>
    <message>
        <source>FEC :</source>
        <translation>FEC :</translation>
    </message>
</context>
<context>
    <name>EditSatDlg</name>
    <message>
        <source>It&apos;s invalid longitude range.</source>
        <translation>Rango de longitud no válido.</translation>
    </message>
    <message>
        <source>The satellite could not be stored in the DB.
Nothing has been changed.</source>
        <translation>No se pudo guardar el satélite en la BD.
No se ha cambiado nada.</translation>
    </message>
    <message>
        <source>Edit Sattelite</source>
        <translation>Editar satélite</translation>
    </message>
    <message>
        <source>EAST</source>
        <translation>ESTE</translation>
    </message>
    <message>
        <source>WEST</source>
        <translation>OESTE</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posición</translation>
    </message>
    <message>
        <source>Name :</source>
        <translation>Nombre :</translation>
    </message>
    <message>
        <source>Position :</source>
        <translation>Posición :</translation>
    </message>
</context>
<context>
    <name>EmptyHint</name>
    <message>
        <source>&lt;p&gt;&lt;b&gt;No DB is open.&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Open the receiver&apos;s DB file with File &amp;gt; Open (Ctrl+O), or fetch it from the receiver with File &amp;gt; USB Upload.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;No hay ninguna BD abierta.&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Abra el archivo de BD del receptor con Archivo &amp;gt; Abrir (Ctrl+O) o tráigalo del receptor con Archivo &amp;gt; Subida USB.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Recent files:</source>
        <translation>&lt;p&gt;Archivos recientes:</translation>
    </message>
</context>
<context>
    <name>FavGrpView</name>
    <message>
        <source>Favorites</source>
        <translation>Favoritos</translation>
    </message>
    <message>
        <source>Do you want to remove this favorite group from DB?</source>
        <translation>¿Desea eliminar este grupo de favoritos de la BD?</translation>
    </message>
    <message>
        <source>Add favourite group</source>
        <translation>Añadir grupo de favoritos</translation>
    </message>
    <message>
        <source>Rename favourite group</source>
        <translation>Renombrar grupo de favoritos</translation>
    </message>
    <message>
        <source>Delete favourite group</source>
        <translation>Eliminar grupo de favoritos</translation>
    </message>
    <message>
        <source>Move favourite group</source>
        <translation>Mover grupo de favoritos</translation>
    </message>
</context>
<context>
    <name>FavListView</name>
    <message>
        <source>Service</source>
        <translation>Servicio</translation>
    </message>
    <message>
        <source>Do you want to remove from favorite list?</source>
        <translation>¿Desea quitarlo de la lista de favoritos?</translation>
    </message>
    <message>
        <source>Do you want to remove this favorite list from DB?</source>
        <translation>¿Desea eliminar esta lista de favoritos de la BD?</translation>
    </message>
    <message>
        <source>Unvalid data is selected</source>
        <translation>Se han seleccionado datos no válidos</translation>
    </message>
    <message>
        <source>The entries could not be removed from the DB.
Nothing has been removed.</source>
        <translation>No se pudieron eliminar las entradas de la BD.
No se ha eliminado nada.</translation>
    </message>
    <message>
        <source>Remove favourite entries</source>
        <translation>Quitar entradas de favoritos</translation>
    </message>
    <message>
        <source>Move favourite entry</source>
        <translation>Mover entrada de favoritos</translation>
    </message>
</context>
<context>
    <name>FileChooser</name>
    <message>
        <source>DB Edit Files (*.dat);;All Files (*)</source>
        <translation>Archivos de BD (*.dat);;Todos los archivos (*)</translation>
    </message>
</context>
<context>
    <name>FolderPicker</name>
    <message>
        <source>Selecte the folder to save file.</source>
        <translation>Seleccione la carpeta donde guardar el archivo.</translation>
    </message>
</context>
<context>
    <name>LNBView</name>
    <message>
        <source>Seperated</source>
        <translation>Separado</translation>
    </message>
    <message>
        <source>Loop Thru</source>
        <translation>Loop Thru (en cascada)</translation>
    </message>
    <message>
        <source>Connection :</source>
        <translation>Conexión :</translation>
    </message>
    <message>
        <source>LNB Setting</source>
        <translation>Configuración del LNB</translation>
    </message>
    <message>
        <source>Tuner1</source>
        <translation>Sintonizador 1</translation>
    </message>
    <message>
        <source>Tuner2</source>
        <translation>Sintonizador 2</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>GUARDAR</translation>
    </message>
    <message>
        <source>Switch Type :</source>
        <translation>Tipo de conmutador :</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Introduzca un número entero.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Introduzca un número entero entre %1 y %2.</translation>
    </message>
    <message>
        <source>Do you want to remove this item from DB?</source>
        <translation>¿Desea eliminar este elemento de la BD?</translation>
    </message>
    <message>
        <source>The LNB settings could not be saved; the stored ones are kept.</source>
        <translation>No se pudo guardar la configuración del LNB; se conserva la guardada.</translation>
    </message>
    <message>
        <source>Save LNB settings</source>
        <translation>Guardar la configuración LNB</translation>
    </message>
</context>
<context>
    <name>LangTab</name>
    <message>
        <source>Select Languge</source>
        <translation>Seleccionar idioma</translation>
    </message>
    <message>
        <source>Menu Language </source>
        <translation>Idioma del menú </translation>
    </message>
    <message>
        <source>Audio Language </source>
        <translation>Idioma del audio </translation>
    </message>
    <message>
        <source>Subtitle Language :</source>
        <translation>Idioma de los subtítulos :</translation>
    </message>
</context>
<context>
    <name>LayoutMemory</name>
    <message>
        <source>Reset Layout</source>
        <translation>Restablecer la disposición</translation>
    </message>
</context>
<context>
    <name>ListColumns</name>
    <message>
        <source>No</source>
        <translation>N.º</translation>
    </message>
    <message>
        <source>Service</source>
        <translation>Servicio</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satélite</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frecuencia</translation>
    </message>
    <message>
        <source>Symbolrate</source>
        <translation>Tasa de símbolos</translation>
    </message>
    <message>
        <source>Pol</source>
        <translation>Pol</translation>
    </message>
    <message>
        <source>SID</source>
        <translation>SID</translation>
    </message>
    <message>
        <source>V-PID</source>
        <translation>PID V</translation>
    </message>
    <message>
        <source>A-PID</source>
        <translation>PID A</translation>
    </message>
    <message>
        <source>PCR</source>
        <translation>PCR</translation>
    </message>
    <message>
        <source>PMT</source>
        <translation>PMT</translation>
    </message>
    <message>
        <source>Flag</source>
        <translation>Atributos</translation>
    </message>
    <message>
        <source>Provider</source>
        <translation>Proveedor</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posición</translation>
    </message>
    <message>
        <source>Symbol Rate</source>
        <translation>Tasa de símbolos</translation>
    </message>
    <message>
        <source>Polarity</source>
        <translation>Polarización</translation>
    </message>
    <message>
        <source>FEC</source>
        <translation>FEC</translation>
    </message>
    <message>
        <source>LNB Type</source>
        <translation>Tipo de LNB</translation>
    </message>
    <message>
        <source>Local Freq</source>
        <translation>Frec. OL</translation>
    </message>
    <message>
        <source>DiSEqC</source>
        <translation>DiSEqC</translation>
    </message>
    <message>
        <source>22 khz</source>
        <translation>22 kHz</translation>
    </message>
</context>
<context>
    <name>ListPrintSheet</name>
    <message>
        <source>Channel list</source>
        <translation>Lista de canales</translation>
    </message>
    <message>
        <source>Favourite group: %1</source>
        <translation>Grupo de favoritos: %1</translation>
    </message>
</context>
<context>
    <name>LockTab</name>
    <message>
        <source>Maturity Control </source>
        <translation>Control parental </translation>
    </message>
    <message>
        <source>Lock Items</source>
        <translation>Elementos bloqueados</translation>
    </message>
    <message>
        <source>System Lock</source>
        <translation>Bloqueo del sistema</translation>
    </message>
    <message>
        <source>Channel Lock</source>
        <translation>Bloqueo de canales</translation>
    </message>
    <message>
        <source>Hide Channel</source>
        <translation>Ocultar canal</translation>
    </message>
</context>
<context>
    <name>MainFrame</name>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Herramientas</translation>
    </message>
    <message>
        <source>&amp;Setting</source>
        <translation>&amp;Configuración</translation>
    </message>
    <message>
        <source>F&amp;ormat</source>
        <translation>F&amp;ormato</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importar</translation>
    </message>
    <message>
        <source>From SatcoDX</source>
        <translation>Desde SatcoDX</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Exportar</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;About Orvane</source>
        <translation>&amp;Acerca de Orvane</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright</source>
        <translation>Muestra la información del programa, el número de versión y el copyright</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>&amp;English</source>
        <translation>&amp;English</translation>
    </message>
    <message>
        <source>The interface changes to %1 when Orvane starts again.</source>
        <translation>La interfaz cambiará a %1 la próxima vez que se inicie Orvane.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Create a new document</source>
        <translation>Crear un documento nuevo</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Open an existing document</source>
        <translation>Abrir un documento existente</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Save the active document</source>
        <translation>Guardar el documento activo</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Guardar &amp;como...</translation>
    </message>
    <message>
        <source>USB &amp;Upload</source>
        <translation>&amp;Subida USB</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Subida</translation>
    </message>
    <message>
        <source>Transfer DB file from Settop</source>
        <translation>Transferir el archivo de BD desde el receptor</translation>
    </message>
    <message>
        <source>USB &amp;Download</source>
        <translation>&amp;Descarga USB</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Descarga</translation>
    </message>
    <message>
        <source>Transfer DB file to Settop</source>
        <translation>Transferir el archivo de BD al receptor</translation>
    </message>
    <message>
        <source>Restore Receiver &amp;Backup...</source>
        <translation>Restaurar una &amp;copia de seguridad del receptor...</translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation>Archivo reciente</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edición</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Channel Edit</source>
        <translation>Edición de &amp;canales</translation>
    </message>
    <message>
        <source>&amp;NIT Edit</source>
        <translation>Edición de &amp;NIT</translation>
    </message>
    <message>
        <source>&amp;LNB Edit</source>
        <translation>Edición de &amp;LNB</translation>
    </message>
    <message>
        <source>Next &amp;Pane</source>
        <translation>&amp;Panel siguiente</translation>
    </message>
    <message>
        <source>P&amp;revious Pane</source>
        <translation>Panel an&amp;terior</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Buscar...</translation>
    </message>
    <message>
        <source>Find &amp;Next</source>
        <translation>Buscar &amp;siguiente</translation>
    </message>
    <message>
        <source>Find &amp;Previous</source>
        <translation>Buscar a&amp;nterior</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Estándar</translation>
    </message>
    <message>
        <source>Renumber</source>
        <translation>Renumerar</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>Error in load view</source>
        <translation>Error al cargar la vista</translation>
    </message>
</context>
<context>
    <name>MenuBar</name>
    <message>
        <source>Channel Edit</source>
        <translation>Canales</translation>
    </message>
    <message>
        <source>NIT Edit</source>
        <translation>NIT</translation>
    </message>
    <message>
        <source>LNB Edit</source>
        <translation>LNB</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Ajustes</translation>
    </message>
</context>
<context>
    <name>NITView</name>
    <message>
        <source>Do you want to delete this item from DB?</source>
        <translation>¿Desea eliminar este elemento de la BD?</translation>
    </message>
    <message>
        <source>Delete process is failed</source>
        <translation>Falló la eliminación</translation>
    </message>
    <message>
        <source>Click the satellite of the new TP in the left list first.</source>
        <translation>Haga clic primero en la lista de la izquierda en el satélite del nuevo transpondedor.</translation>
    </message>
    <message>
        <source>Add satellite</source>
        <translation>Añadir satélite</translation>
    </message>
    <message>
        <source>Edit satellite %1</source>
        <translation>Editar satélite %1</translation>
    </message>
    <message>
        <source>Add transponder</source>
        <translation>Añadir transpondedor</translation>
    </message>
    <message>
        <source>Edit transponder</source>
        <translation>Editar transpondedor</translation>
    </message>
    <message>
        <source>Delete satellites</source>
        <translation>Eliminar satélites</translation>
    </message>
    <message>
        <source>Delete transponders</source>
        <translation>Eliminar transpondedores</translation>
    </message>
    <message>
        <source>Move satellites</source>
        <translation>Mover satélites</translation>
    </message>
</context>
<context>
    <name>OrvaneDoc</name>
    <message>
        <source>Untitled</source>
        <translation>Sin nombre</translation>
    </message>
    <message>
        <source>%1 is %2, not a DB file, so it is not opened.</source>
        <translation>%1 es %2, no un archivo de BD, así que no se abre.</translation>
    </message>
    <message>
        <source>%1 was not found.</source>
        <translation>No se encontró %1.</translation>
    </message>
    <message>
        <source>Another window has %1 open. Close it there before opening it here.</source>
        <translation>Otra ventana tiene abierto %1. Ciérrelo allí antes de abrirlo aquí.</translation>
    </message>
    <message>
        <source>%1 is not opened: %2 is a link or a file of another user where the editor keeps its own file. Remove it and open the file again.</source>
        <translation>%1 no se abre: %2 es un enlace o un archivo de otro usuario en el lugar donde el editor guarda su propio archivo. Elimínelo y vuelva a abrir el archivo.</translation>
    </message>
    <message>
        <source>%1 cannot be read the way SQLite reads it, so it is not opened.
%2</source>
        <translation>%1 no se puede leer como lo lee SQLite, así que no se abre.
%2</translation>
    </message>
    <message>
        <source>The working copy %1 could not be made, so the file is not opened.
%2</source>
        <translation>No se pudo crear la copia de trabajo %1, así que el archivo no se abre.
%2</translation>
    </message>
    <message>
        <source>File open failed reading DB</source>
        <translation>Falló la apertura del archivo al leer la BD</translation>
    </message>
    <message>
        <source>Invalid DB Version file. It must use %1</source>
        <translation>Versión de BD no válida. Debe usar %1</translation>
    </message>
    <message>
        <source>The DB does not have the receiver&apos;s table layout, so it is not opened.
%1</source>
        <translation>La BD no tiene la estructura de tablas del receptor, así que no se abre.
%1</translation>
    </message>
    <message>
        <source>Failed to open document.</source>
        <translation>No se pudo abrir el documento.</translation>
    </message>
    <message>
        <source>Do you want to save the changed DB contents?</source>
        <translation>¿Desea guardar los cambios de la BD?</translation>
    </message>
    <message>
        <source>%1 was changed by another program since you opened it. Replace it with your version?
Choose No to keep it and use Save As instead.</source>
        <translation>Otro programa ha cambiado %1 desde que lo abrió. ¿Reemplazarlo con su versión?
Elija No para conservarlo y use Guardar como.</translation>
    </message>
    <message>
        <source>Another window has %1 open. Close it there before saving over it.</source>
        <translation>Otra ventana tiene abierto %1. Ciérrelo allí antes de guardar encima.</translation>
    </message>
    <message>
        <source>The DB could not be saved to %1.
%2 is a link or a file of another user where the editor keeps its own file; remove it first.</source>
        <translation>No se pudo guardar la BD en %1.
%2 es un enlace o un archivo de otro usuario en el lugar donde el editor guarda su propio archivo; elimínelo primero.</translation>
    </message>
    <message>
        <source>The DB could not be saved to %1.
It is the working copy itself; please choose another name.</source>
        <translation>No se pudo guardar la BD en %1.
Es la propia copia de trabajo; elija otro nombre.</translation>
    </message>
    <message>
        <source>The DB is in the middle of a change and was not saved. Please try again.</source>
        <translation>La BD está a mitad de un cambio y no se ha guardado. Inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>The DB could not be saved to %1.
The last changes could not be gathered from %2-wal, another program may be reading it (%3).</source>
        <translation>No se pudo guardar la BD en %1.
No se pudieron recoger los últimos cambios de %2-wal; puede que otro programa lo esté leyendo (%3).</translation>
    </message>
    <message>
        <source>The DB could not be saved to %1.
%2</source>
        <translation>No se pudo guardar la BD en %1.
%2</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>%1 is read-only, so the DB cannot be saved there. Please choose another name.</source>
        <translation>%1 es de solo lectura, así que la BD no se puede guardar ahí. Elija otro nombre.</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Guardar como</translation>
    </message>
</context>
<context>
    <name>OrvaneView</name>
    <message>
        <source>exceed valid number!</source>
        <translation>¡Número no válido!</translation>
    </message>
    <message>
        <source>Do you want to delete this channel from DB?</source>
        <translation>¿Desea eliminar este canal de la BD?</translation>
    </message>
    <message>
        <source>You already insert same channel!</source>
        <translation>¡Este canal ya está incluido!</translation>
    </message>
    <message>
        <source>You already insert &quot;%1&quot; channel!</source>
        <translation>¡El canal «%1» ya está incluido!</translation>
    </message>
    <message>
        <source>Error! Your job is canceled.</source>
        <translation>¡Error! La tarea se ha cancelado.</translation>
    </message>
    <message>
        <source>The channels could not be deleted from the DB.
Nothing has been deleted.</source>
        <translation>No se pudieron eliminar los canales de la BD.
No se ha eliminado nada.</translation>
    </message>
    <message>
        <source>The list does not show the channels stored in the DB.
Reopen the file and renumber again.</source>
        <translation>La lista no muestra los canales guardados en la BD.
Vuelva a abrir el archivo y renumere de nuevo.</translation>
    </message>
    <message>
        <source>The new numbers could not be stored in the DB.
Nothing has been changed.</source>
        <translation>No se pudieron guardar los números nuevos en la BD.
No se ha cambiado nada.</translation>
    </message>
    <message>
        <source>Renumber and reordering by dragging are off while a filter hides channels: the order of the hidden channels must not change unseen.</source>
        <translation>Renumerar y reordenar arrastrando están desactivados mientras un filtro oculta canales: el orden de los canales ocultos no debe cambiar sin que se vea.</translation>
    </message>
    <message>
        <source>Filter on: %1 of %2 channels shown. %3</source>
        <translation>Filtro activo: se muestran %1 de %2 canales. %3</translation>
    </message>
    <message>
        <source>Add channel</source>
        <translation>Añadir canal</translation>
    </message>
    <message>
        <source>Edit channel %1</source>
        <translation>Editar canal %1</translation>
    </message>
    <message numerus="yes">
        <source>Delete %n channel(s)</source>
        <translation>
            <numerusform>Eliminar %n canal</numerusform>
            <numerusform>Eliminar %n canales</numerusform>
        </translation>
    </message>
    <message>
        <source>Renumber</source>
        <translation>Renumerar</translation>
    </message>
    <message numerus="yes">
        <source>Add %n channel(s) to a favourite group</source>
        <translation>
            <numerusform>Añadir %n canal a un grupo de favoritos</numerusform>
            <numerusform>Añadir %n canales a un grupo de favoritos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Add %n channel(s) to the favourite list</source>
        <translation>
            <numerusform>Añadir %n canal a la lista de favoritos</numerusform>
            <numerusform>Añadir %n canales a la lista de favoritos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PageLayout</name>
    <message>
        <source>Page %1 of %2</source>
        <translation>Página %1 de %2</translation>
    </message>
    <message>
        <source>%1: cannot be written: %2</source>
        <translation>%1: no se puede escribir: %2</translation>
    </message>
    <message>
        <source>the PDF could not be painted</source>
        <translation>no se pudo dibujar el PDF</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>%1 canales</translation>
    </message>
    <message>
        <source>%1 of %2 channels</source>
        <translation>%1 de %2 canales</translation>
    </message>
</context>
<context>
    <name>PendingEdits</name>
    <message>
        <source>The changes on this page have not been saved with &quot;SAVE&quot; yet.
Do you want to save them now?</source>
        <translation>Los cambios de esta página aún no se han guardado con «GUARDAR».
¿Desea guardarlos ahora?</translation>
    </message>
</context>
<context>
    <name>ReplaceNamesDlg</name>
    <message>
        <source>&amp;Ignore case</source>
        <translation>&amp;Ignorar mayúsculas y minúsculas</translation>
    </message>
    <message>
        <source>Replace in Names</source>
        <translation>Reemplazar en los nombres</translation>
    </message>
    <message>
        <source>Old name</source>
        <translation>Antes</translation>
    </message>
    <message>
        <source>New name</source>
        <translation>Después</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Buscar:</translation>
    </message>
    <message>
        <source>&amp;Replace with:</source>
        <translation>&amp;Reemplazar por:</translation>
    </message>
    <message>
        <source>over %1 bytes</source>
        <translation>más de %1 bytes</translation>
    </message>
    <message>
        <source>%1 new names are longer than %2 bytes.</source>
        <translation>%1 nombres nuevos superan los %2 bytes.</translation>
    </message>
    <message>
        <source>%1 names change.</source>
        <translation>Cambian %1 nombres.</translation>
    </message>
</context>
<context>
    <name>RestoreBackupDlg</name>
    <message>
        <source>Restore Receiver Backup</source>
        <translation>Restaurar una copia de seguridad del receptor</translation>
    </message>
    <message>
        <source>Backups of the receiver&apos;s list in %1:</source>
        <translation>Copias de seguridad de la lista del receptor en %1:</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Canales</translation>
    </message>
    <message>
        <source> bytes</source>
        <translation> bytes</translation>
    </message>
    <message>
        <source>Send(&amp;S)</source>
        <translation>Enviar(&amp;S)</translation>
    </message>
    <message>
        <source>Cancel(&amp;C)</source>
        <translation>Cancelar(&amp;C)</translation>
    </message>
</context>
<context>
    <name>RowFormat</name>
    <message>
        <source>mini A</source>
        <translation>mini A</translation>
    </message>
    <message>
        <source>mini B</source>
        <translation>mini B</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>APAGADO</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>ENCENDIDO</translation>
    </message>
    <message>
        <source>AUTO</source>
        <translation>AUTO</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Vertical</translation>
    </message>
    <message>
        <source>No data</source>
        <translation>Sin datos</translation>
    </message>
</context>
<context>
    <name>SelectNitDlg</name>
    <message>
        <source>Select TP Information in the list.</source>
        <translation>Seleccione la información del transpondedor en la lista.</translation>
    </message>
    <message>
        <source>Select NIT</source>
        <translation>Seleccionar NIT</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>&amp;Satellites</source>
        <translation>&amp;Satélites</translation>
    </message>
    <message>
        <source>&amp;TP List</source>
        <translation>Lista de &amp;TP</translation>
    </message>
</context>
<context>
    <name>SettingDlg</name>
    <message>
        <source>The receiver&apos;s settings could not be read from the DB:
%1</source>
        <translation>No se pudo leer la configuración del receptor de la BD:
%1</translation>
    </message>
    <message>
        <source>The settings could not be stored in the DB:
%1
Nothing has been changed.</source>
        <translation>No se pudo guardar la configuración en la BD:
%1
No se ha cambiado nada.</translation>
    </message>
    <message>
        <source>The default settings could not be copied in the DB:
%1
Nothing has been changed.</source>
        <translation>No se pudo copiar la configuración predeterminada en la BD:
%1
No se ha cambiado nada.</translation>
    </message>
    <message>
        <source>This file has no default settings.
Nothing has been changed.</source>
        <translation>Este archivo no tiene configuración predeterminada.
No se ha cambiado nada.</translation>
    </message>
    <message>
        <source>The stored settings hold a value that the receiver&apos;s format does not allow (%1 = %2).
They are left unchanged.</source>
        <translation>La configuración guardada contiene un valor que el formato del receptor no admite (%1 = %2).
Se deja sin cambios.</translation>
    </message>
    <message>
        <source>The default settings hold a value that the receiver&apos;s format does not allow (%1 = %2).
The settings are left unchanged.</source>
        <translation>La configuración predeterminada contiene un valor que el formato del receptor no admite (%1 = %2).
La configuración se deja sin cambios.</translation>
    </message>
    <message>
        <source>Main Menu Setting</source>
        <translation>Configuración del menú principal</translation>
    </message>
    <message>
        <source>User&apos;s Setting</source>
        <translation>Configuración del usuario</translation>
    </message>
    <message>
        <source>Lock Control</source>
        <translation>Control de bloqueo</translation>
    </message>
    <message>
        <source>Language </source>
        <translation>Idioma </translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Default</source>
        <translation>&amp;Predeterminado</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Receiver settings</source>
        <translation>Configuración del receptor</translation>
    </message>
</context>
<context>
    <name>SettingPage</name>
    <message>
        <source>English</source>
        <translation>Inglés</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Ruso</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Francés</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italiano</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Neerlandés</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Alemán</translation>
    </message>
    <message>
        <source>Danish</source>
        <translation>Danés</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>Árabe</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>Griego</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Turco</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Español</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>Sueco</translation>
    </message>
    <message>
        <source>Norwegian</source>
        <translation>Noruego</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desactivado</translation>
    </message>
    <message>
        <source>5 Years</source>
        <translation>5 años</translation>
    </message>
    <message>
        <source>8 Years</source>
        <translation>8 años</translation>
    </message>
    <message>
        <source>10 Years</source>
        <translation>10 años</translation>
    </message>
    <message>
        <source>13 Years</source>
        <translation>13 años</translation>
    </message>
    <message>
        <source>15 Years</source>
        <translation>15 años</translation>
    </message>
    <message>
        <source>18 Years</source>
        <translation>18 años</translation>
    </message>
    <message>
        <source>4 : 3 PS</source>
        <translation>4 : 3 PS</translation>
    </message>
    <message>
        <source>4 : 3 LB</source>
        <translation>4 : 3 LB</translation>
    </message>
    <message>
        <source>2 seconds</source>
        <translation>2 segundos</translation>
    </message>
    <message>
        <source>3 seconds</source>
        <translation>3 segundos</translation>
    </message>
    <message>
        <source>4 seconds</source>
        <translation>4 segundos</translation>
    </message>
    <message>
        <source>5 seconds</source>
        <translation>5 segundos</translation>
    </message>
    <message>
        <source>6 seconds</source>
        <translation>6 segundos</translation>
    </message>
    <message>
        <source>7 seconds</source>
        <translation>7 segundos</translation>
    </message>
    <message>
        <source>8 seconds</source>
        <translation>8 segundos</translation>
    </message>
    <message>
        <source>9 seconds</source>
        <translation>9 segundos</translation>
    </message>
    <message>
        <source>10 seconds</source>
        <translation>10 segundos</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Simple</source>
        <translation>Simple</translation>
    </message>
</context>
<context>
    <name>StatusCounts</name>
    <message>
        <source>Channels in the file, of them TV and radio, and the entries of the current favourite group</source>
        <translation>Canales del archivo, de ellos TV y radio, y las entradas del grupo de favoritos actual</translation>
    </message>
    <message>
        <source>Channels: %1   TV: %2   Radio: %3</source>
        <translation>Canales: %1   TV: %2   Radio: %3</translation>
    </message>
</context>
<context>
    <name>TransferDlg</name>
    <message>
        <source>Start(&amp;S)</source>
        <translation>Iniciar(&amp;S)</translation>
    </message>
    <message>
        <source>Cancel(&amp;C)</source>
        <translation>Cancelar(&amp;C)</translation>
    </message>
    <message>
        <source>Stop the transfer after the current chunk?</source>
        <translation>¿Detener la transferencia tras el bloque actual?</translation>
    </message>
</context>
<context>
    <name>TransferRuns</name>
    <message>
        <source>File Opened failed!</source>
        <translation>¡No se pudo abrir el archivo!</translation>
    </message>
    <message>
        <source>The download was stopped after %1 of %2 bytes.</source>
        <translation>La descarga se detuvo tras %1 de %2 bytes.</translation>
    </message>
    <message>
        <source>Reading the file failed! The DB file was not sent completely.</source>
        <translation>¡Falló la lectura del archivo! El archivo de BD no se envió completo.</translation>
    </message>
    <message>
        <source>Requesting data transfer on PIPE03 failed!</source>
        <translation>¡Falló la petición de transferencia por PIPE03!</translation>
    </message>
    <message>
        <source>Writing PIPE03 failed!</source>
        <translation>¡Falló la escritura en PIPE03!</translation>
    </message>
    <message>
        <source>The upload was stopped after %1 of %2 bytes.</source>
        <translation>La subida se detuvo tras %1 de %2 bytes.</translation>
    </message>
    <message>
        <source>Requesting data transfer on PIPE02 failed!</source>
        <translation>¡Falló la petición de transferencia por PIPE02!</translation>
    </message>
    <message>
        <source>Reading PIPE02 failed!</source>
        <translation>¡Falló la lectura de PIPE02!</translation>
    </message>
    <message>
        <source>Writing %1 failed!</source>
        <translation>¡Falló la escritura de %1!</translation>
    </message>
    <message>
        <source>Open driver failed! Can&apos;t write to PIPE03.</source>
        <translation>¡No se pudo abrir el controlador! No se puede escribir en PIPE03.</translation>
    </message>
    <message>
        <source>Open device handle failed! Can&apos;t write to PIPE03.</source>
        <translation>¡No se pudo abrir el dispositivo! No se puede escribir en PIPE03.</translation>
    </message>
    <message>
        <source>The path %1 is too long; it must be shorter than %2 bytes.</source>
        <translation>La ruta %1 es demasiado larga; debe tener menos de %2 bytes.</translation>
    </message>
    <message>
        <source>Can&apos;t open file.</source>
        <translation>No se puede abrir el archivo.</translation>
    </message>
    <message>
        <source>Can not get file size from STB!</source>
        <translation>¡No se pudo obtener del receptor el tamaño del archivo!</translation>
    </message>
    <message>
        <source>Open driver failed! Can&apos;t write to PIPE02.</source>
        <translation>¡No se pudo abrir el controlador! No se puede escribir en PIPE02.</translation>
    </message>
    <message>
        <source>Open device handle failed! Can&apos;t write to PIPE02.</source>
        <translation>¡No se pudo abrir el dispositivo! No se puede escribir en PIPE02.</translation>
    </message>
    <message>
        <source>The DB file was not received completely: %1 of %2 bytes arrived. They are kept in %3, which is not opened.</source>
        <translation>El archivo de BD no se recibió completo: llegaron %1 de %2 bytes. Se guardan en %3, que no se abre.</translation>
    </message>
    <message>
        <source>%1 cannot be written.</source>
        <translation>No se puede escribir %1.</translation>
    </message>
    <message>
        <source>Nothing was sent; the receiver keeps its list. Check that it is on and connected, then press Start again.</source>
        <translation>No se envió nada; el receptor conserva su lista. Compruebe que está encendido y conectado y pulse Iniciar de nuevo.</translation>
    </message>
    <message>
        <source>Nothing was sent. Make the folder writable, or clear &quot;Back up the receiver&apos;s list first&quot; to send without a backup.</source>
        <translation>No se envió nada. Permita escribir en la carpeta o desmarque «Hacer primero una copia de la lista del receptor» para enviar sin copia.</translation>
    </message>
    <message>
        <source>The backup of the receiver&apos;s list failed. </source>
        <translation>Falló la copia de seguridad de la lista del receptor. </translation>
    </message>
    <message>
        <source>The receiver may hold an incomplete list. Send the backup (File &gt; Restore Receiver Backup...) or this file again.</source>
        <translation>Puede que el receptor tenga una lista incompleta. Envíe la copia de seguridad (Archivo &gt; Restaurar una copia de seguridad del receptor...) o este archivo de nuevo.</translation>
    </message>
    <message>
        <source>Nothing was sent; the receiver keeps its list. Press Start to try again.</source>
        <translation>No se envió nada; el receptor conserva su lista. Pulse Iniciar para volver a intentarlo.</translation>
    </message>
    <message>
        <source>The file was sent but not read back. Fetch the receiver&apos;s list with USB Upload to check it.</source>
        <translation>El archivo se envió pero no se volvió a leer. Traiga la lista del receptor con Subida USB para comprobarla.</translation>
    </message>
    <message>
        <source>not read back</source>
        <translation>no se volvió a leer</translation>
    </message>
    <message>
        <source>The receiver&apos;s list is not what was sent: %1.</source>
        <translation>La lista del receptor no es la que se envió: %1.</translation>
    </message>
    <message>
        <source>Send the file again; if the difference stays, the receiver changes the list itself.</source>
        <translation>Envíe el archivo de nuevo; si la diferencia persiste, es el receptor el que cambia la lista.</translation>
    </message>
    <message>
        <source>Sent %1 bytes in %2 s</source>
        <translation>Enviados %1 bytes en %2 s</translation>
    </message>
    <message>
        <source>; read back: </source>
        <translation>; relectura: </translation>
    </message>
</context>
<context>
    <name>TransferSteps</name>
    <message>
        <source>USB is not connected. Try again!</source>
        <translation>El USB no está conectado. ¡Inténtelo de nuevo!</translation>
    </message>
</context>
<context>
    <name>UndoCommands</name>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Deshacer %1</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Rehacer %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>&quot;%1 %2&quot; could not be done: the DB is busy or cannot be written (SQLite error %3).
The DB is as it was.</source>
        <translation>No se pudo hacer «%1 %2»: la BD está ocupada o no se puede escribir (error de SQLite %3).
La BD queda como estaba.</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
</context>
<context>
    <name>UsbDownloadDlg</name>
    <message>
        <source>USB Download</source>
        <translation>Descarga USB</translation>
    </message>
    <message>
        <source>Download from file(&amp;D)</source>
        <translation>Descargar desde archivo(&amp;D)</translation>
    </message>
    <message>
        <source>Local file</source>
        <translation>Archivo local</translation>
    </message>
    <message>
        <source>File(&amp;F)</source>
        <translation>Archivo(&amp;F)</translation>
    </message>
    <message>
        <source>Back up the receiver&apos;s list first</source>
        <translation>Hacer primero una copia de la lista del receptor</translation>
    </message>
    <message>
        <source>Read the list back and compare</source>
        <translation>Volver a leer la lista y comparar</translation>
    </message>
    <message>
        <source>Download Progress</source>
        <translation>Progreso de la descarga</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>DB File(*.dat);;All Files(*.*)</source>
        <translation>Archivo de BD(*.dat);;Todos los archivos(*.*)</translation>
    </message>
    <message>
        <source>Please open or select your DB file first.</source>
        <translation>Abra o seleccione primero su archivo de BD.</translation>
    </message>
    <message>
        <source>If you download this DB file, then the existing DB in the STB will be deleted. is deleted. Are you sure to continue?</source>
        <translation>Si descarga este archivo de BD, se borrará la BD existente en el receptor. ¿Seguro que desea continuar?</translation>
    </message>
    <message>
        <source>File Opened failed!</source>
        <translation>¡No se pudo abrir el archivo!</translation>
    </message>
    <message>
        <source>The file %1 is not sent: %2.
Repair it (orvane-cli check names every problem) or choose another file.</source>
        <translation>El archivo %1 no se envía: %2.
Repárelo (orvane-cli check indica cada problema) o elija otro archivo.</translation>
    </message>
    <message>
        <source>The receiver may hold an incomplete list. Send the backup of its list taken before this download (%1)?</source>
        <translation>Puede que el receptor tenga una lista incompleta. ¿Enviar la copia de seguridad de su lista hecha antes de esta descarga (%1)?</translation>
    </message>
</context>
<context>
    <name>UsbUploadDlg</name>
    <message>
        <source>USB Upload</source>
        <translation>Subida USB</translation>
    </message>
    <message>
        <source>Local directory</source>
        <translation>Carpeta local</translation>
    </message>
    <message>
        <source>Browse(&amp;B)</source>
        <translation>Examinar(&amp;B)</translation>
    </message>
    <message>
        <source>Open Upload DB file(&amp;O)</source>
        <translation>Abrir el archivo de BD subido(&amp;O)</translation>
    </message>
    <message>
        <source>Upload Progress</source>
        <translation>Progreso de la subida</translation>
    </message>
    <message>
        <source>Can not return a path for the selected item!</source>
        <translation>¡No se puede obtener una ruta para el elemento seleccionado!</translation>
    </message>
    <message>
        <source>Error Message</source>
        <translation>Mensaje de error</translation>
    </message>
    <message>
        <source>Please select the folder first.</source>
        <translation>Seleccione primero la carpeta.</translation>
    </message>
    <message>
        <source>%1 is not a folder. Please select a folder.</source>
        <translation>%1 no es una carpeta. Seleccione una carpeta.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist. Do you want to create it?</source>
        <translation>La carpeta %1 no existe. ¿Desea crearla?</translation>
    </message>
    <message>
        <source>The folder %1 could not be created.</source>
        <translation>No se pudo crear la carpeta %1.</translation>
    </message>
</context>
<context>
    <name>UserTab</name>
    <message>
        <source>Aspect Ratio </source>
        <translation>Relación de aspecto </translation>
    </message>
    <message>
        <source>Banner Time Out (Seconds)</source>
        <translation>Tiempo del banner (segundos)</translation>
    </message>
    <message>
        <source>Banner Type</source>
        <translation>Tipo de banner</translation>
    </message>
    <message>
        <source>Subtitle </source>
        <translation>Subtítulos </translation>
    </message>
    <message>
        <source>Timeshift</source>
        <translation>Timeshift</translation>
    </message>
</context>
<context>
    <name>print::CPrintOptionsDlg</name>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Channel list as shown</source>
        <translation>Lista de canales tal como se muestra</translation>
    </message>
    <message>
        <source>Favourite group: %1</source>
        <translation>Grupo de favoritos: %1</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tabla</translation>
    </message>
    <message>
        <source>Channel Card (number and name, large type)</source>
        <translation>Tarjeta de canales (número y nombre, letra grande)</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Vertical</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>&amp;Print:</source>
        <translation>&amp;Imprimir:</translation>
    </message>
    <message>
        <source>&amp;Layout:</source>
        <translation>&amp;Diseño:</translation>
    </message>
    <message>
        <source>&amp;Orientation:</source>
        <translation>&amp;Orientación:</translation>
    </message>
</context>
<context>
    <name>print::CPrintPreviewDlg</name>
    <message>
        <source>Print Preview</source>
        <translation>Vista previa de impresión</translation>
    </message>
    <message>
        <source>&amp;Previous Page</source>
        <translation>Página &amp;anterior</translation>
    </message>
    <message>
        <source>&amp;Next Page</source>
        <translation>Página &amp;siguiente</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Imprimir…</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Página %1 de %2</translation>
    </message>
</context>
</TS>
