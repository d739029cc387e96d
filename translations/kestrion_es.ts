<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AngleText</name>
    <message>
        <source>Nothing was typed.</source>
        <translation>No se ha escrito nada.</translation>
    </message>
    <message>
        <source>That is not an angle.</source>
        <translation>Eso no es un ángulo.</translation>
    </message>
    <message>
        <source>A minus or plus sign cannot be used with a hemisphere letter.</source>
        <translation>No se puede usar un signo menos o más junto con una letra de hemisferio.</translation>
    </message>
    <message>
        <source>Only one hemisphere letter is allowed.</source>
        <translation>Solo se permite una letra de hemisferio.</translation>
    </message>
    <message>
        <source>That hemisphere letter does not fit here.</source>
        <translation>Esa letra de hemisferio no corresponde aquí.</translation>
    </message>
    <message>
        <source>Only the last of degrees, minutes and seconds may have decimals.</source>
        <translation>Solo el último valor de grados, minutos y segundos puede llevar decimales.</translation>
    </message>
    <message>
        <source>Minutes must be below 60.</source>
        <translation>Los minutos deben ser menores que 60.</translation>
    </message>
    <message>
        <source>Seconds must be below 60.</source>
        <translation>Los segundos deben ser menores que 60.</translation>
    </message>
    <message>
        <source>That is out of range.</source>
        <translation>Eso está fuera del rango permitido.</translation>
    </message>
    <message>
        <source>That is neither a position nor the name of a listed satellite.</source>
        <translation>Eso no es una posición ni el nombre de un satélite de la lista.</translation>
    </message>
    <message>
        <source>Latitude: -90 to 90 degrees, N or S, e.g. 52.52, -33.9247, 33.9247S, 33°55&apos;29&quot;S, 33 55 29 S or 33°55.48&apos;S.</source>
        <translation>Latitud: de -90 a 90 grados, N o S, p. ej. 52.52, -33.9247, 33.9247S, 33°55&apos;29&quot;S, 33 55 29 S o 33°55.48&apos;S.</translation>
    </message>
    <message>
        <source>Longitude: -180 to 180 degrees, E or W, e.g. 13.405, -5, 5W, W5, 13°24&apos;18&quot;E or 13 24 18 E.</source>
        <translation>Longitud: de -180 a 180 grados, E u O (también W para oeste), p. ej. 13.405, -5, 5O, O5, 13°24&apos;18&quot;E o 13 24 18 E.</translation>
    </message>
    <message>
        <source>Satellite position: -180 to 180 degrees, E or W, e.g. 19.2E, 19,2, -5, 5W or 30°0&apos;W, or a satellite name such as Astra 19.2E.</source>
        <translation>Posición del satélite: de -180 a 180 grados, E u O (también W para oeste), p. ej. 19.2E, 19,2, -5, 5O o 30°0&apos;O, o un nombre de satélite como Astra 19.2E.</translation>
    </message>
    <message>
        <source>That name does not single out one satellite; it fits %1.</source>
        <translation>Ese nombre no identifica un solo satélite; corresponde a %1.</translation>
    </message>
</context>
<context>
    <name>Browser</name>
    <message>
        <source> could not find a file association for </source>
        <translation> no encontró una asociación de archivos para </translation>
    </message>
    <message>
        <source> on your system. You should check that your browser</source>
        <translation> en su sistema. Compruebe que su navegador</translation>
    </message>
    <message>
        <source>is correctly installed and associated with this type of file.</source>
        <translation>esté instalado correctamente y asociado a este tipo de archivo.</translation>
    </message>
    <message>
        <source> had a problem running your web browser.</source>
        <translation> tuvo un problema al abrir su navegador web.</translation>
    </message>
    <message>
        <source>You should check that your browser is correctly installed.</source>
        <translation>Compruebe que su navegador esté instalado correctamente.</translation>
    </message>
    <message>
        <source>(Error</source>
        <translation>(Error</translation>
    </message>
    <message>
        <source>)</source>
        <translation>)</translation>
    </message>
    <message>
        <source>Browser Unavailable</source>
        <translation>Navegador no disponible</translation>
    </message>
</context>
<context>
    <name>Caption</name>
    <message>
        <source>LNB skew direction</source>
        <translation>Sentido de giro del LNB</translation>
    </message>
    <message>
        <source>LNB Noise Figure (dB)</source>
        <translation>F. ruido LNB (dB)</translation>
    </message>
    <message>
        <source>Gain LNB (dB)</source>
        <translation>Ganancia LNB (dB)</translation>
    </message>
    <message>
        <source>Cable Loss (dB)</source>
        <translation>Pérdida cable (dB)</translation>
    </message>
    <message>
        <source>IF amplifier noise figure (dB)</source>
        <translation>Figura de ruido amplif. FI (dB)</translation>
    </message>
    <message>
        <source>Noise Figure (dB)</source>
        <translation>Figura de ruido (dB)</translation>
    </message>
    <message>
        <source>Noise Temperature (K)</source>
        <translation>Temperatura de ruido (K)</translation>
    </message>
    <message>
        <source>Feed Losses (dB)</source>
        <translation>Pérd. feed (dB)</translation>
    </message>
    <message>
        <source>Dish Diameter (m)</source>
        <translation>Diám. antena (m)</translation>
    </message>
    <message>
        <source>Efficiency (%)</source>
        <translation>Eficiencia (%)</translation>
    </message>
    <message>
        <source>Frequency (GHz)</source>
        <translation>Frecuencia (GHz)</translation>
    </message>
    <message>
        <source>Antenna noise temperature (K)</source>
        <translation>Temp. ruido antena (K)</translation>
    </message>
    <message>
        <source>Receiver Noise Figure (dB)</source>
        <translation>Figura de ruido receptor (dB)</translation>
    </message>
    <message>
        <source>IF Amplifier Gain (dB)</source>
        <translation>Ganancia FI (dB)</translation>
    </message>
    <message>
        <source>System Noise Figure (dB)</source>
        <translation>Figura de ruido del sistema (dB)</translation>
    </message>
    <message>
        <source>Antenna Gain (dB)</source>
        <translation>Gan. (dB)</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Latitud</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Longitud</translation>
    </message>
    <message>
        <source>Satellite position</source>
        <translation>Posición satélite</translation>
    </message>
    <message>
        <source>Eirp (dBW)</source>
        <translation>PIRE (dBW)</translation>
    </message>
    <message>
        <source>Dish Diameter (cm)</source>
        <translation>Diámetro antena (cm)</translation>
    </message>
    <message>
        <source>Antenna Efficiency  (%)</source>
        <translation>Eficiencia antena (%)</translation>
    </message>
    <message>
        <source>Antenna Noise Temp. (K)</source>
        <translation>Temp. ruido antena (K)</translation>
    </message>
    <message>
        <source>System Noise Figure</source>
        <translation>F. ruido del sistema</translation>
    </message>
    <message>
        <source>Bandwidth (MHz)</source>
        <translation>Ancho banda (MHz)</translation>
    </message>
    <message>
        <source>G/T (dB/K)</source>
        <translation>G/T (dB/K)</translation>
    </message>
    <message>
        <source>Elevation angle (deg)</source>
        <translation>Elevación (°)</translation>
    </message>
    <message>
        <source>Azimuth angle (deg)</source>
        <translation>Acimut (°)</translation>
    </message>
    <message>
        <source>Polarization angle (deg)</source>
        <translation>Ángulo de polarización (°)</translation>
    </message>
    <message>
        <source>Distance to satellite (km)</source>
        <translation>Distancia al satélite (km)</translation>
    </message>
    <message>
        <source>Carrier to Noise (dB)</source>
        <translation>Portadora/ruido (dB)</translation>
    </message>
    <message>
        <source>Elevation</source>
        <translation>Elevación</translation>
    </message>
    <message>
        <source>Clear sky</source>
        <translation>Sin lluvia</translation>
    </message>
    <message>
        <source>Rain 5 mm/h</source>
        <translation>5 mm/h</translation>
    </message>
    <message>
        <source>Rain 10 mm/h</source>
        <translation>10 mm/h</translation>
    </message>
    <message>
        <source>Rain 50 mm/h</source>
        <translation>50 mm/h</translation>
    </message>
    <message>
        <source>NF to Noise Temperature</source>
        <translation>Figura de ruido a temperatura</translation>
    </message>
    <message>
        <source>Antenna Gain Calculations</source>
        <translation>Ganancia de la antena</translation>
    </message>
    <message>
        <source>G/T Calculations</source>
        <translation>Cálculo de G/T</translation>
    </message>
    <message>
        <source>Antenna Alignment</source>
        <translation>Orientación de la antena</translation>
    </message>
    <message>
        <source>C/N</source>
        <translation>C/N</translation>
    </message>
    <message>
        <source>(west = neg.  east = pos.)</source>
        <translation>(oeste = neg.  este = pos.)</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>W</source>
        <translation>O</translation>
    </message>
    <message>
        <source>E</source>
        <translation>E</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>Magnetic bearing, declination</source>
        <translation>Rumbo magnético, declinación</translation>
    </message>
    <message>
        <source>Magnetic bearing (deg)</source>
        <translation>Rumbo magnético (°)</translation>
    </message>
    <message>
        <source>Magnetic declination</source>
        <translation>Declinación magnética</translation>
    </message>
    <message>
        <source>Compass warnings</source>
        <translation>Avisos de la brújula</translation>
    </message>
    <message>
        <source>Dish offset angle (deg)</source>
        <translation>Ángulo offset (°)</translation>
    </message>
    <message>
        <source>Face tilt</source>
        <translation>Inclinación</translation>
    </message>
    <message>
        <source>Footprints on the web</source>
        <translation>Huellas en la web</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Visit:</source>
        <translation>Web:</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satélite</translation>
    </message>
</context>
<context>
    <name>JobSheet</name>
    <message>
        <source>Azimuth</source>
        <translation>Acimut</translation>
    </message>
    <message>
        <source>Skew</source>
        <translation>Polarización</translation>
    </message>
    <message>
        <source>Elevation</source>
        <translation>Elevación</translation>
    </message>
    <message>
        <source>Kestrion job sheet</source>
        <translation>Hoja de trabajo de Kestrion</translation>
    </message>
    <message>
        <source>Date: %1</source>
        <translation>Fecha: %1</translation>
    </message>
    <message>
        <source>Site: %1</source>
        <translation>Ubicación: %1</translation>
    </message>
    <message>
        <source>(not saved)</source>
        <translation>(no guardada)</translation>
    </message>
    <message>
        <source>True azimuth</source>
        <translation>Acimut geográfico</translation>
    </message>
    <message>
        <source>Site and satellite</source>
        <translation>Ubicación y satélite</translation>
    </message>
    <message>
        <source>Pointing</source>
        <translation>Orientación</translation>
    </message>
    <message>
        <source>Link budget (C/N)</source>
        <translation>Balance del enlace (C/N)</translation>
    </message>
    <message>
        <source>System noise figure chain</source>
        <translation>Cadena de ruido del sistema</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>Installer: ______________________    Customer: ______________________</source>
        <translation>Instalador: ______________________    Cliente: ______________________</translation>
    </message>
    <message>
        <source>Kestrion %1 — every figure as the window shows it</source>
        <translation>Kestrion %1 — todos los valores tal como los muestra la ventana</translation>
    </message>
    <message>
        <source>Cannot write the job sheet to %1: %2</source>
        <translation>No se puede escribir la hoja de trabajo en %1: %2</translation>
    </message>
    <message>
        <source>Cannot draw the job sheet for %1</source>
        <translation>No se puede generar la hoja de trabajo para %1</translation>
    </message>
    <message>
        <source>Cannot print the job sheet on %1</source>
        <translation>No se puede imprimir la hoja de trabajo en %1</translation>
    </message>
    <message>
        <source>Rain fade (ITU-R P.618): the basis</source>
        <translation>Atenuación por lluvia (UIT-R P.618): datos de partida</translation>
    </message>
    <message>
        <source>Rain availability</source>
        <translation>Disponibilidad con lluvia</translation>
    </message>
    <message>
        <source>Times in</source>
        <translation>Horas en</translation>
    </message>
    <message>
        <source>Shadow</source>
        <translation>Sombra</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Sol</translation>
    </message>
    <message>
        <source>Sun outage</source>
        <translation>Interferencia solar</translation>
    </message>
    <message>
        <source>%1, %2 to %3, closest at %4: %5 from the satellite</source>
        <translation>%1, de %2 a %3, lo más cerca a las %4: a %5 del satélite</translation>
    </message>
    <message>
        <source>Obstacle</source>
        <translation>Obstáculo</translation>
    </message>
    <message>
        <source>Motor limit</source>
        <translation>Límite del motor</translation>
    </message>
    <message>
        <source>Latitude scale</source>
        <translation>Escala de latitud</translation>
    </message>
    <message>
        <source>Declination offset</source>
        <translation>Desfase de declinación</translation>
    </message>
    <message>
        <source>Dish elevation on the mount</source>
        <translation>Elevación de la antena en el soporte</translation>
    </message>
    <message>
        <source>Second LNB</source>
        <translation>Segundo LNB</translation>
    </message>
</context>
<context>
    <name>PageText</name>
    <message>
        <source>LNB skew direction</source>
        <translation>Sentido de giro del LNB</translation>
    </message>
    <message>
        <source>none: upright</source>
        <translation>ninguno: vertical</translation>
    </message>
    <message>
        <source>anticlockwise, from behind the dish</source>
        <translation>sentido antihorario, desde detrás</translation>
    </message>
    <message>
        <source>clockwise, from behind the dish</source>
        <translation>sentido horario, desde detrás</translation>
    </message>
    <message>
        <source>none: the LNB stays upright</source>
        <translation>ninguno: el LNB queda vertical</translation>
    </message>
    <message>
        <source>anticlockwise, seen from behind the dish looking at the satellite</source>
        <translation>en sentido antihorario, visto desde detrás de la antena mirando al satélite</translation>
    </message>
    <message>
        <source>clockwise, seen from behind the dish looking at the satellite</source>
        <translation>en sentido horario, visto desde detrás de la antena mirando al satélite</translation>
    </message>
    <message>
        <source>Rain</source>
        <translation>Lluvia</translation>
    </message>
    <message>
        <source>Latitude (DMS)</source>
        <translation>Latitud (GMS)</translation>
    </message>
    <message>
        <source>Longitude (DMS)</source>
        <translation>Longitud (GMS)</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satélite</translation>
    </message>
    <message>
        <source>Magnetic bearing</source>
        <translation>Rumbo magnético</translation>
    </message>
    <message>
        <source>Magnetic declination</source>
        <translation>Declin. magnética</translation>
    </message>
    <message>
        <source>Declination model</source>
        <translation>Modelo de declinación</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Dish offset angle</source>
        <translation>Ángulo offset</translation>
    </message>
    <message>
        <source>Face tilt</source>
        <translation>Inclinación</translation>
    </message>
    <message>
        <source>deg</source>
        <translation>°</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
</context>
<context>
    <name>RainFade</name>
    <message>
        <source>Frequency</source>
        <translation>Frecuencia</translation>
    </message>
    <message>
        <source>The downlink frequency of the carrier</source>
        <translation>La frecuencia de bajada de la portadora</translation>
    </message>
    <message>
        <source>Tilt from the horizontal</source>
        <translation>Inclinación respecto a la horizontal</translation>
    </message>
    <message>
        <source>The angle of a linear polarization from the horizontal, as seen at the dish</source>
        <translation>El ángulo de una polarización lineal respecto a la horizontal, visto desde la antena</translation>
    </message>
    <message>
        <source>Rain rate R0.01</source>
        <translation>Intensidad de lluvia R0.01</translation>
    </message>
    <message>
        <source>The rain rate exceeded for 0.01 % of an average year at the site</source>
        <translation>La intensidad de lluvia superada durante el 0,01 % de un año medio en la ubicación</translation>
    </message>
    <message>
        <source>Rain height</source>
        <translation>Altura de lluvia</translation>
    </message>
    <message>
        <source>The top of the rain above sea level: 0.36 km above the 0 °C isotherm</source>
        <translation>El techo de la lluvia sobre el nivel del mar: 0,36 km por encima de la isoterma de 0 °C</translation>
    </message>
    <message>
        <source>Station height</source>
        <translation>Altura de la estación</translation>
    </message>
    <message>
        <source>The height of the dish above sea level</source>
        <translation>La altura de la antena sobre el nivel del mar</translation>
    </message>
    <message>
        <source>Required C/N</source>
        <translation>C/N necesaria</translation>
    </message>
    <message>
        <source>The C/N the receiver needs for a clean picture</source>
        <translation>La C/N que necesita el receptor para una imagen limpia</translation>
    </message>
    <message>
        <source>Target availability</source>
        <translation>Disponibilidad objetivo</translation>
    </message>
    <message>
        <source>The part of an average year the picture should stay</source>
        <translation>La parte de un año medio en la que la imagen debe mantenerse</translation>
    </message>
    <message>
        <source>Polarization</source>
        <translation>Polarización</translation>
    </message>
    <message>
        <source>Horizontal fades most; circular is counted as a tilt of 45°</source>
        <translation>La horizontal es la que más se atenúa; la circular cuenta como una inclinación de 45°</translation>
    </message>
    <message>
        <source>Rain zone (older ITU-R P.837-1 table)</source>
        <translation>Zona de lluvia (tabla antigua UIT-R P.837-1)</translation>
    </message>
    <message>
        <source>The climatic zone letter of the older table, for its R0.01</source>
        <translation>La letra de zona climática de la tabla antigua, para su R0.01</translation>
    </message>
    <message>
        <source>ITU-R P.837 map of R0.01</source>
        <translation>Mapa de R0.01 (UIT-R P.837)</translation>
    </message>
    <message>
        <source>The ITU&apos;s map file R001.TXT: R0.01 is read at the site</source>
        <translation>El archivo de mapa R001.TXT de la UIT: R0.01 se lee en la ubicación</translation>
    </message>
    <message>
        <source>ITU-R P.839 map of the 0 °C isotherm</source>
        <translation>Mapa de la isoterma de 0 °C (UIT-R P.839)</translation>
    </message>
    <message>
        <source>The ITU&apos;s map file h0.txt: the rain height is read at the site</source>
        <translation>El archivo de mapa h0.txt de la UIT: la altura de lluvia se lee en la ubicación</translation>
    </message>
    <message>
        <source>DVB-S2 modulation and code rate</source>
        <translation>Modulación y tasa de código DVB-S2</translation>
    </message>
    <message>
        <source>Its ideal Es/N0 for quasi-error-free reception (ETSI EN 302 307-1)</source>
        <translation>Su Es/N0 ideal para una recepción casi sin errores (ETSI EN 302 307-1)</translation>
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
        <source>Circular</source>
        <translation>Circular</translation>
    </message>
    <message>
        <source>Tilted</source>
        <translation>Inclinada</translation>
    </message>
    <message>
        <source>%1° from the horizontal</source>
        <translation>%1° respecto a la horizontal</translation>
    </message>
    <message>
        <source>R0.01 from</source>
        <translation>R0.01 según</translation>
    </message>
    <message>
        <source>zone %1 of the older ITU-R P.837-1 table</source>
        <translation>zona %1 de la tabla antigua UIT-R P.837-1</translation>
    </message>
    <message>
        <source>the ITU-R P.837 map %1</source>
        <translation>mapa %1 (UIT-R P.837)</translation>
    </message>
    <message>
        <source>Rain height from</source>
        <translation>Altura de lluvia según</translation>
    </message>
    <message>
        <source>the ITU-R P.839 map %1</source>
        <translation>mapa %1 (UIT-R P.839)</translation>
    </message>
    <message>
        <source>Elevation and latitude</source>
        <translation>Elevación y latitud</translation>
    </message>
    <message>
        <source>Rain availability</source>
        <translation>Disponibilidad con lluvia</translation>
    </message>
    <message>
        <source>still needs: %1</source>
        <translation>falta: %1</translation>
    </message>
    <message>
        <source>none: the satellite is below the horizon</source>
        <translation>ninguna: el satélite está bajo el horizonte</translation>
    </message>
    <message>
        <source>not worked out: a floating-point fault</source>
        <translation>sin calcular: error de coma flotante</translation>
    </message>
    <message>
        <source>Clear-sky margin</source>
        <translation>Margen sin lluvia</translation>
    </message>
    <message>
        <source>Rain fade at %1 %</source>
        <translation>Atenuación por lluvia al %1 %</translation>
    </message>
    <message>
        <source>C/N drop at %1 %</source>
        <translation>Caída de C/N al %1 %</translation>
    </message>
    <message>
        <source>Availability with this dish</source>
        <translation>Disponibilidad con esta antena</translation>
    </message>
    <message>
        <source>over %1</source>
        <translation>más de %1</translation>
    </message>
    <message>
        <source>under %1</source>
        <translation>menos de %1</translation>
    </message>
    <message>
        <source>Dish for %1 %</source>
        <translation>Antena para el %1 %</translation>
    </message>
    <message>
        <source>none up to %1</source>
        <translation>ninguna hasta %1</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>The station height (%1 km) is at or above the rain height (%2 km): the path meets no rain, so every fade shows 0 dB. Check both heights (in km above sea level).</source>
        <translation>La altura de la estación (%1 km) iguala o supera la altura de lluvia (%2 km): el trayecto no atraviesa lluvia, así que cada atenuación muestra 0 dB. Compruebe ambas alturas (en km sobre el nivel del mar).</translation>
    </message>
    <message>
        <source>I type the rate</source>
        <translation>Escribo la intensidad</translation>
    </message>
    <message>
        <source>I type the C/N</source>
        <translation>Escribo la C/N</translation>
    </message>
    <message>
        <source>It starts from the C/N page: EIRP %1 dBW, dish %2 cm, clear-sky C/N %3 dB.</source>
        <translation>Parte de la página C/N: PIRE %1 dBW, antena %2 cm, C/N con cielo despejado %3 dB.</translation>
    </message>
    <message>
        <source>The values filled in are an example (zone K, 3 km, 12 GHz, 8PSK 2/3), not this site&apos;s: enter the site&apos;s own.</source>
        <translation>Los valores rellenados son un ejemplo (zona K, 3 km, 12 GHz, 8PSK 2/3), no los de este lugar: introduzca los suyos.</translation>
    </message>
    <message>
        <source>Rain fade: the loss of signal in the rain.</source>
        <translation>Atenuación por lluvia: la pérdida de señal en la lluvia.</translation>
    </message>
    <message>
        <source>C/N drop: the rain fade plus the sky noise the rain adds.</source>
        <translation>Caída de C/N: la atenuación por lluvia más el ruido del cielo que añade la lluvia.</translation>
    </message>
    <message>
        <source>%1 dB: fails even in clear sky</source>
        <translation>%1 dB: falla incluso con cielo despejado</translation>
    </message>
    <message>
        <source>Horizontal, turned by the skew: %1°</source>
        <translation>Horizontal, girada por el skew: %1°</translation>
    </message>
    <message>
        <source>Vertical, turned by the skew: %1°</source>
        <translation>Vertical, girada por el skew: %1°</translation>
    </message>
</context>
<context>
    <name>SiteStore</name>
    <message>
        <source>it has no name</source>
        <translation>no tiene nombre</translation>
    </message>
    <message>
        <source>latitude</source>
        <translation>latitud</translation>
    </message>
    <message>
        <source>longitude</source>
        <translation>longitud</translation>
    </message>
    <message>
        <source>satellite position</source>
        <translation>posición del satélite</translation>
    </message>
    <message>
        <source>its %1 &quot;%2&quot; is refused: %3</source>
        <translation>se rechaza su %1 «%2»: %3</translation>
    </message>
    <message>
        <source>Some lines of %1 cannot be read and are left out.</source>
        <translation>Algunas líneas de %1 no se pueden leer y se omiten.</translation>
    </message>
    <message>
        <source>The saved sites in %1 cannot be read.</source>
        <translation>No se pueden leer las ubicaciones guardadas en %1.</translation>
    </message>
    <message>
        <source>its offset angle &quot;%1&quot; is not 0 to 45 degrees with at most one decimal</source>
        <translation>su ángulo offset «%1» no está entre 0 y 45 grados con un decimal como máximo</translation>
    </message>
    <message>
        <source>its last use is not a number</source>
        <translation>su último uso no es un número</translation>
    </message>
    <message>
        <source>Saved site &quot;%1&quot; (entry %2) skipped: %3.</source>
        <translation>Ubicación guardada «%1» (entrada %2) omitida: %3.</translation>
    </message>
    <message>
        <source>Cannot create the folder %1.</source>
        <translation>No se puede crear la carpeta %1.</translation>
    </message>
    <message>
        <source>The saved sites are busy in another window; try again.</source>
        <translation>Las ubicaciones guardadas están en uso en otra ventana; inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>The saved sites in %1 cannot be read, so they are left as they are.</source>
        <translation>No se pueden leer las ubicaciones guardadas en %1, así que se dejan como están.</translation>
    </message>
    <message>
        <source>Cannot write the saved sites to %1.</source>
        <translation>No se pueden escribir las ubicaciones guardadas en %1.</translation>
    </message>
    <message>
        <source>Cannot write the saved sites to %1: %2</source>
        <translation>No se pueden escribir las ubicaciones guardadas en %1: %2</translation>
    </message>
    <message>
        <source>There is no saved site &quot;%1&quot;.</source>
        <translation>No hay ninguna ubicación guardada «%1».</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is empty or the name of another saved site.</source>
        <translation>«%1» está vacío o es el nombre de otra ubicación guardada.</translation>
    </message>
</context>
<context>
    <name>Tooltip</name>
    <message>
        <source>Which way to turn the LNB, seen from behind the dish looking at the satellite</source>
        <translation>Hacia dónde girar el LNB, visto desde detrás de la antena mirando al satélite</translation>
    </message>
    <message>
        <source>When not using an IF amplifier, apply 0 dB</source>
        <translation>Sin amplificador de FI, ponga 0 dB</translation>
    </message>
    <message>
        <source>The noise can be described in Noise Figure or Noise Temperature</source>
        <translation>El ruido puede expresarse como figura de ruido o como temperatura de ruido</translation>
    </message>
    <message>
        <source>Rain attenuation is affected by the elevation of the antenna</source>
        <translation>La atenuación por lluvia depende de la elevación de la antena</translation>
    </message>
    <message>
        <source>Normally between  0 - 50 K. See specification of your dish.</source>
        <translation>Normalmente entre 0 y 50 K. Consulte las especificaciones de su antena.</translation>
    </message>
    <message>
        <source>Normally between 0 - 0.5 dB</source>
        <translation>Normalmente entre 0 y 0,5 dB</translation>
    </message>
    <message>
        <source>Normally between 0.7 to 1.2 dB</source>
        <translation>Normalmente entre 0,7 y 1,2 dB</translation>
    </message>
    <message>
        <source>Normally between 40 and 60 dB. To avoid intermodulation products, use as low gain as possible without raising the system NF.</source>
        <translation>Normalmente entre 40 y 60 dB. Para evitar productos de intermodulación, use la menor ganancia posible sin aumentar la figura de ruido del sistema.</translation>
    </message>
    <message>
        <source>Cable Loss between the LNB and IF amplifier</source>
        <translation>Pérdida del cable entre el LNB y el amplificador de FI</translation>
    </message>
    <message>
        <source>The result</source>
        <translation>El resultado</translation>
    </message>
    <message>
        <source>See specifications of your receiver</source>
        <translation>Consulte las especificaciones de su receptor</translation>
    </message>
    <message>
        <source>Apply minor diameter when using an offset dish</source>
        <translation>Con una antena offset, use el diámetro menor</translation>
    </message>
    <message>
        <source>Normally 40 to 70 %</source>
        <translation>Normalmente del 40 al 70 %</translation>
    </message>
    <message>
        <source>The gain of the antenna depends of frequency</source>
        <translation>La ganancia de la antena depende de la frecuencia</translation>
    </message>
    <message>
        <source>If you know the gain but not the efficiency, vary the efficiency until you get the correct gain</source>
        <translation>Si conoce la ganancia pero no la eficiencia, varíe la eficiencia hasta obtener la ganancia correcta</translation>
    </message>
    <message>
        <source>Can be calculated in the System Noise Figure section</source>
        <translation>Puede calcularse en la sección Figura de ruido del sistema</translation>
    </message>
    <message>
        <source>The gain can be calculated from antenna size and efficiency in the Antenna Gain Calculations section</source>
        <translation>La ganancia puede calcularse a partir del tamaño y la eficiencia de la antena en la sección Ganancia de la antena</translation>
    </message>
    <message>
        <source>G/T is a measure of the performance of your system</source>
        <translation>G/T es una medida del rendimiento de su sistema</translation>
    </message>
    <message>
        <source>Latitude of dish  location</source>
        <translation>Latitud de la ubicación de la antena</translation>
    </message>
    <message>
        <source>Longitude of dish location</source>
        <translation>Longitud de la ubicación de la antena</translation>
    </message>
    <message>
        <source>Satellite position</source>
        <translation>Posición del satélite</translation>
    </message>
    <message>
        <source>How to align the dish by the compass</source>
        <translation>Cómo orientar la antena con la brújula</translation>
    </message>
    <message>
        <source>Note that Astra satellites differ from standard polarisation</source>
        <translation>Tenga en cuenta que los satélites Astra difieren de la polarización estándar</translation>
    </message>
    <message>
        <source>Angle of inclination</source>
        <translation>Ángulo de elevación sobre el horizonte</translation>
    </message>
    <message>
        <source>Needed for C/N calculations</source>
        <translation>Necesaria para el cálculo de C/N</translation>
    </message>
    <message>
        <source>Set this on a magnetic compass: the azimuth less the magnetic declination</source>
        <translation>Ajuste este valor en una brújula magnética: el acimut menos la declinación magnética</translation>
    </message>
    <message>
        <source>Magnetic declination at the site on the date (World Magnetic Model 2025)</source>
        <translation>Declinación magnética en la ubicación y en la fecha (World Magnetic Model 2025)</translation>
    </message>
    <message>
        <source>0 for a prime-focus dish; offset dishes are typically 20 to 28 degrees</source>
        <translation>0 para una antena de foco primario; las antenas offset suelen tener de 20 a 28 grados</translation>
    </message>
    <message>
        <source>Tilt of the dish face from vertical: the elevation less the offset angle</source>
        <translation>Inclinación de la cara de la antena respecto a la vertical: la elevación menos el ángulo offset</translation>
    </message>
    <message>
        <source>Equivalent Isotropic Radiated Power</source>
        <translation>Potencia isótropa radiada equivalente</translation>
    </message>
    <message>
        <source>Get the Eirp from the footprint of the satellite</source>
        <translation>Obtenga la PIRE de la huella del satélite</translation>
    </message>
    <message>
        <source>Use the minor diameter for an offset dish</source>
        <translation>Para una antena offset, use el diámetro menor</translation>
    </message>
    <message>
        <source>If you only know the gain, you can calculate the efficiency in the Antenna Gain Calculations</source>
        <translation>Si solo conoce la ganancia, puede calcular la eficiencia en Ganancia de la antena</translation>
    </message>
    <message>
        <source>See specifications of your antenna. Normally between 0 to 50 K.</source>
        <translation>Consulte las especificaciones de su antena. Normalmente entre 0 y 50 K.</translation>
    </message>
    <message>
        <source> Use System Noise Figure calculations and manually apply correct value.</source>
        <translation> Calcúlela en Figura de ruido del sistema y ajuste el valor a mano.</translation>
    </message>
    <message>
        <source>Bandwidth of the receiver</source>
        <translation>Ancho de banda del receptor</translation>
    </message>
    <message>
        <source>Imported from Antenna Alignment Calculations</source>
        <translation>Tomada de Orientación de la antena</translation>
    </message>
    <message>
        <source>The rain attenuation is usable in the 10 to 13 GHz band only</source>
        <translation>La atenuación por lluvia solo vale para la banda de 10 a 13 GHz</translation>
    </message>
    <message>
        <source>The answer</source>
        <translation>El resultado</translation>
    </message>
    <message>
        <source>The elevation is imported from Antenna alignment calculations</source>
        <translation>La elevación se toma de Orientación de la antena</translation>
    </message>
    <message>
        <source>The satellite chosen by name</source>
        <translation>El satélite elegido por su nombre</translation>
    </message>
</context>
<context>
    <name>Web</name>
    <message>
        <source>The calculator could not be started: %1</source>
        <translation>No se ha podido iniciar la calculadora: %1</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>The page&apos;s figures are on the clipboard.</source>
        <translation>Los valores de la página están en el portapapeles.</translation>
    </message>
    <message>
        <source>The browser did not allow copying: %1</source>
        <translation>El navegador no ha permitido copiar: %1</translation>
    </message>
    <message>
        <source>Job sheet</source>
        <translation>Hoja de trabajo</translation>
    </message>
    <message>
        <source>Print or save as PDF</source>
        <translation>Imprimir o guardar como PDF</translation>
    </message>
    <message>
        <source>Back to the calculator</source>
        <translation>Volver a la calculadora</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Close this message</source>
        <translation>Cerrar este mensaje</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Usar</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renombrar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Saved site &quot;%1&quot;.</source>
        <translation>Ubicación «%1» guardada.</translation>
    </message>
    <message>
        <source>Site &quot;%1&quot; entered.</source>
        <translation>Ubicación «%1» introducida.</translation>
    </message>
    <message>
        <source>The browser did not keep the site: %1</source>
        <translation>El navegador no ha guardado la ubicación: %1</translation>
    </message>
    <message>
        <source>Type a value</source>
        <translation>Escribir un valor</translation>
    </message>
    <message>
        <source>Hint: %1</source>
        <translation>Consejo: %1</translation>
    </message>
    <message>
        <source>%1 is not taken: %2 to %3 %4, in steps of %5.</source>
        <translation>%1 no se acepta: de %2 a %3 %4, en pasos de %5.</translation>
    </message>
    <message>
        <source>Not taken, the value shown still holds: %1</source>
        <translation>No se ha tomado; sigue valiendo el valor mostrado: %1</translation>
    </message>
    <message>
        <source>%1 is not on this device yet: its texts need the network once.</source>
        <translation>%1 aún no está en este dispositivo: sus textos necesitan la red una vez.</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Satélites</translation>
    </message>
    <message>
        <source>The address&apos;s %1 was not used: %2</source>
        <translation>No se ha usado %1 de la dirección: %2</translation>
    </message>
    <message>
        <source>The calculation stopped: %1</source>
        <translation>El cálculo se ha detenido: %1</translation>
    </message>
    <message>
        <source>A new version of Kestrion is ready.</source>
        <translation>Hay una nueva versión de Kestrion disponible.</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Recargar</translation>
    </message>
    <message>
        <source>Phone aids</source>
        <translation>Ayudas del móvil</translation>
    </message>
    <message>
        <source>Use my position</source>
        <translation>Usar mi posición</translation>
    </message>
    <message>
        <source>Asking for the position…</source>
        <translation>Pidiendo la posición…</translation>
    </message>
    <message>
        <source>Position entered, accurate to ±%1 m.</source>
        <translation>Posición introducida, con una precisión de ±%1 m.</translation>
    </message>
    <message>
        <source>The browser was not allowed to give the position: nothing was changed.</source>
        <translation>El navegador no tiene permiso para dar la posición: no se ha cambiado nada.</translation>
    </message>
    <message>
        <source>The phone found no position fix: nothing was changed. Try again in the open.</source>
        <translation>El móvil no ha obtenido la posición: no se ha cambiado nada. Pruebe de nuevo al aire libre.</translation>
    </message>
    <message>
        <source>No position fix within %1 seconds: nothing was changed. Try again in the open.</source>
        <translation>Sin posición en %1 segundos: no se ha cambiado nada. Pruebe de nuevo al aire libre.</translation>
    </message>
    <message>
        <source>This browser cannot give a position: nothing was changed.</source>
        <translation>Este navegador no puede dar la posición: no se ha cambiado nada.</translation>
    </message>
    <message>
        <source>Compass</source>
        <translation>Brújula</translation>
    </message>
    <message>
        <source>Allow the compass</source>
        <translation>Permitir la brújula</translation>
    </message>
    <message>
        <source>Allow the motion sensors</source>
        <translation>Permitir los sensores de movimiento</translation>
    </message>
    <message>
        <source>The compass was not allowed. Allow motion and orientation for this site in the browser&apos;s settings.</source>
        <translation>No se ha permitido la brújula. Permita movimiento y orientación para este sitio en los ajustes del navegador.</translation>
    </message>
    <message>
        <source>No compass reading: this phone or browser gives none, or it was not allowed.</source>
        <translation>Sin lectura de brújula: este móvil o navegador no la da, o no se ha permitido.</translation>
    </message>
    <message>
        <source>Phone heading: %1° magnetic</source>
        <translation>Rumbo del móvil: %1° magnético</translation>
    </message>
    <message>
        <source>Phone heading: %1° true (geographic north)</source>
        <translation>Rumbo del móvil: %1° verdadero (norte geográfico)</translation>
    </message>
    <message>
        <source>Magnetic bearing to face: %1°</source>
        <translation>Rumbo magnético a encarar: %1°</translation>
    </message>
    <message>
        <source>True azimuth to face: %1°</source>
        <translation>Acimut verdadero a encarar: %1°</translation>
    </message>
    <message>
        <source>The page gives no magnetic bearing here (see its warnings), so there is nothing to turn to.</source>
        <translation>La página no da aquí rumbo magnético (vea sus avisos): no hay hacia dónde girar.</translation>
    </message>
    <message>
        <source>The satellite is below the horizon: there is nothing to turn to.</source>
        <translation>El satélite está bajo el horizonte: no hay hacia dónde girar.</translation>
    </message>
    <message>
        <source>Turn %1° right</source>
        <translation>Gire %1° a la derecha</translation>
    </message>
    <message>
        <source>Turn %1° left</source>
        <translation>Gire %1° a la izquierda</translation>
    </message>
    <message>
        <source>Facing the bearing</source>
        <translation>Orientado al rumbo</translation>
    </message>
    <message>
        <source>Hold the phone flat, or upright with the camera ahead.</source>
        <translation>Sujete el móvil en horizontal, o de pie con la cámara hacia delante.</translation>
    </message>
    <message>
        <source>Accuracy the phone reports: ±%1°</source>
        <translation>Precisión que indica el móvil: ±%1°</translation>
    </message>
    <message>
        <source>The phone reports its compass as uncalibrated.</source>
        <translation>El móvil indica que su brújula no está calibrada.</translation>
    </message>
    <message>
        <source>The phone reports no accuracy: if the heading drifts or jumps, calibrate it with a figure eight.</source>
        <translation>El móvil no indica la precisión: si el rumbo se desvía o salta, calibre la brújula trazando un ocho.</translation>
    </message>
    <message>
        <source>The compass is inaccurate: move the phone a few times in a figure eight to calibrate it.</source>
        <translation>La brújula es imprecisa: mueva el móvil varias veces trazando un ocho para calibrarla.</translation>
    </message>
    <message>
        <source>Hold the phone flat, a few steps away from the dish, the mast and other metal: they pull the compass off.</source>
        <translation>Sujete el móvil en horizontal, a unos pasos de la antena, el mástil y otros metales: desvían la brújula.</translation>
    </message>
    <message>
        <source>Inclinometer</source>
        <translation>Inclinómetro</translation>
    </message>
    <message>
        <source>The motion sensors were not allowed. Allow motion and orientation for this site in the browser&apos;s settings.</source>
        <translation>No se han permitido los sensores de movimiento. Permita movimiento y orientación para este sitio en los ajustes del navegador.</translation>
    </message>
    <message>
        <source>No tilt reading: this phone or browser gives none, or it was not allowed.</source>
        <translation>Sin lectura de inclinación: este móvil o navegador no la da, o no se ha permitido.</translation>
    </message>
    <message>
        <source>Hold the back of the phone flat against the back of the dish, the screen towards you, upright or sideways.</source>
        <translation>Apoye la parte trasera del móvil plana contra la parte trasera de la antena, con la pantalla hacia usted, en vertical o en horizontal.</translation>
    </message>
    <message>
        <source>Measured elevation: %1°</source>
        <translation>Elevación medida: %1°</translation>
    </message>
    <message>
        <source>Target elevation: %1°</source>
        <translation>Elevación objetivo: %1°</translation>
    </message>
    <message>
        <source>No target: the satellite is below the horizon.</source>
        <translation>Sin objetivo: el satélite está bajo el horizonte.</translation>
    </message>
    <message>
        <source>Measured face tilt: %1</source>
        <translation>Inclinación medida: %1</translation>
    </message>
    <message>
        <source>Target face tilt: %1</source>
        <translation>Inclinación objetivo: %1</translation>
    </message>
    <message>
        <source>Raise %1°</source>
        <translation>Suba %1°</translation>
    </message>
    <message>
        <source>Lower %1°</source>
        <translation>Baje %1°</translation>
    </message>
    <message>
        <source>On target</source>
        <translation>Correcto</translation>
    </message>
    <message>
        <source>To take off the phone&apos;s own error, lay it on its back on a surface you know is level and tap Zero.</source>
        <translation>Para descontar el error propio del móvil, póngalo boca arriba sobre una superficie que sepa que está nivelada y pulse Cero.</translation>
    </message>
    <message>
        <source>Zero</source>
        <translation>Cero</translation>
    </message>
    <message>
        <source>Clear the zero</source>
        <translation>Borrar el cero</translation>
    </message>
    <message>
        <source>Zeroed: the phone&apos;s own error of %1° is taken off.</source>
        <translation>Puesto a cero: se descuenta el error propio del móvil de %1°.</translation>
    </message>
    <message>
        <source>Not zeroed: the phone&apos;s reading is used as it is.</source>
        <translation>Sin poner a cero: se usa la lectura del móvil tal cual.</translation>
    </message>
    <message>
        <source>The phone lies %1° off level: lay it on a level surface and try again.</source>
        <translation>El móvil está %1° fuera de nivel: póngalo sobre una superficie nivelada y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>Sky view</source>
        <translation>Vista del cielo</translation>
    </message>
    <message>
        <source>Show the arc over the camera picture</source>
        <translation>Mostrar el arco sobre la imagen de la cámara</translation>
    </message>
    <message>
        <source>Stop the camera</source>
        <translation>Detener la cámara</translation>
    </message>
    <message>
        <source>The camera was not allowed: the sky diagram shows the arc instead.</source>
        <translation>No se ha permitido la cámara: el diagrama del cielo muestra el arco en su lugar.</translation>
    </message>
    <message>
        <source>No camera could be opened (%1): the sky diagram shows the arc instead.</source>
        <translation>No se ha podido abrir ninguna cámara (%1): el diagrama del cielo muestra el arco en su lugar.</translation>
    </message>
    <message>
        <source>%1: elevation %2°, azimuth %3°</source>
        <translation>%1: elevación %2°, acimut %3°</translation>
    </message>
    <message>
        <source>The chosen satellite is below the horizon.</source>
        <translation>El satélite elegido está bajo el horizonte.</translation>
    </message>
    <message>
        <source>Above the horizon: satellite positions %1</source>
        <translation>Sobre el horizonte: posiciones de satélite %1</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>de %1 a %2</translation>
    </message>
    <message>
        <source>No part of the arc is above the horizon here.</source>
        <translation>Aquí ninguna parte del arco está sobre el horizonte.</translation>
    </message>
    <message>
        <source>The arc&apos;s positions</source>
        <translation>Posiciones del arco</translation>
    </message>
    <message>
        <source>The chosen satellite is %1 and %2 of the cross.</source>
        <translation>Respecto a la cruz, el satélite elegido está %1 y %2.</translation>
    </message>
    <message>
        <source>%1° right</source>
        <translation>%1° a la derecha</translation>
    </message>
    <message>
        <source>%1° left</source>
        <translation>%1° a la izquierda</translation>
    </message>
    <message>
        <source>%1° up</source>
        <translation>%1° más arriba</translation>
    </message>
    <message>
        <source>%1° down</source>
        <translation>%1° más abajo</translation>
    </message>
    <message>
        <source>Calibrate the view</source>
        <translation>Calibrar la vista</translation>
    </message>
    <message>
        <source>The cross is on the object</source>
        <translation>La cruz está sobre el objeto</translation>
    </message>
    <message>
        <source>The object is in the ring</source>
        <translation>El objeto está en el anillo</translation>
    </message>
    <message>
        <source>Put the cross on a distant object (a chimney, a mast), then tap the button.</source>
        <translation>Ponga la cruz sobre un objeto lejano (una chimenea, un mástil) y pulse el botón.</translation>
    </message>
    <message>
        <source>Turn the phone until the same object sits in the ring, then tap the button.</source>
        <translation>Gire el móvil hasta que el mismo objeto quede dentro del anillo y pulse el botón.</translation>
    </message>
    <message>
        <source>Calibrated: the picture spans %1° across.</source>
        <translation>Calibrado: la imagen abarca %1° de ancho.</translation>
    </message>
    <message>
        <source>That gives %1° across the picture, which no phone camera has: nothing was changed. Try again with a more distant object.</source>
        <translation>Eso da %1° de ancho de imagen, que ninguna cámara de móvil tiene: no se ha cambiado nada. Pruebe con un objeto más lejano.</translation>
    </message>
    <message>
        <source>Margin above the obstacle (degrees)</source>
        <translation>Margen sobre el obstáculo (grados)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not taken. %2</source>
        <translation>«%1» no se acepta. %2</translation>
    </message>
    <message>
        <source>Enter a date from %1 to %2.</source>
        <translation>Introduzca una fecha del %1 al %2.</translation>
    </message>
    <message>
        <source>The sun and the shadow</source>
        <translation>El sol y la sombra</translation>
    </message>
    <message>
        <source>Sun outages</source>
        <translation>Interferencias solares</translation>
    </message>
    <message>
        <source>What blocks the view</source>
        <translation>Lo que tapa la vista</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Sol</translation>
    </message>
    <message>
        <source>Calibrate on the sun</source>
        <translation>Calibrar con el sol</translation>
    </message>
    <message>
        <source>Never look at the sun through the camera&apos;s eyepiece, nor with the naked eye for long: look at the sun on the screen only.</source>
        <translation>No mire nunca al sol a través del visor de una cámara, ni mucho rato a simple vista: mire el sol solo en la pantalla.</translation>
    </message>
    <message>
        <source>Hold the phone upright with the camera towards the sun, turn it until the sun on the screen sits inside the marked circle, then tap the button.</source>
        <translation>Sostenga el teléfono en vertical con la cámara hacia el sol, gírelo hasta que el sol en la pantalla quede dentro del círculo marcado y pulse el botón.</translation>
    </message>
    <message>
        <source>The sun is in the circle</source>
        <translation>El sol está en el círculo</translation>
    </message>
    <message>
        <source>The sun is below the horizon now: calibrate on it by day.</source>
        <translation>El sol está ahora bajo el horizonte: calibre con él de día.</translation>
    </message>
    <message>
        <source>true north, from the sun, just now</source>
        <translation>norte geográfico, según el sol, ahora mismo</translation>
    </message>
    <message>
        <source>true north, from the sun, 1 minute ago</source>
        <translation>norte geográfico, según el sol, hace 1 minuto</translation>
    </message>
    <message>
        <source>true north, from the sun, %1 minutes ago</source>
        <translation>norte geográfico, según el sol, hace %1 minutos</translation>
    </message>
    <message>
        <source>The correction from the sun was dropped after 15 minutes: calibrate on the sun again.</source>
        <translation>La corrección según el sol se descartó a los 15 minutos: vuelva a calibrar con el sol.</translation>
    </message>
    <message>
        <source>The correction from the sun was dropped: the phone reported a jump in the compass&apos;s accuracy. Calibrate on the sun again.</source>
        <translation>La corrección según el sol se descartó: el teléfono informó de un salto en la precisión de la brújula. Vuelva a calibrar con el sol.</translation>
    </message>
    <message>
        <source>Loading the section…</source>
        <translation>Cargando la sección…</translation>
    </message>
    <message>
        <source>The section could not be loaded: %1</source>
        <translation>No se pudo cargar la sección: %1</translation>
    </message>
    <message>
        <source>Tap a satellite to point the alignment page at it.</source>
        <translation>Toque un satélite para que la página de alineación apunte a él.</translation>
    </message>
    <message>
        <source>Sight the top of the obstacle</source>
        <translation>Apuntar a la parte superior del obstáculo</translation>
    </message>
    <message>
        <source>To check a tree or a wall: stand at the dish, lay the phone&apos;s long edge along the line to the obstacle&apos;s top, in the satellite&apos;s direction, and read how far the satellite clears it.</source>
        <translation>Para comprobar un árbol o un muro: de pie junto a la antena, alinee el borde largo del teléfono con la línea hacia la parte superior del obstáculo, en la dirección del satélite, y lea cuánto lo libra el satélite.</translation>
    </message>
    <message>
        <source>The obstacle&apos;s top: %1° above the horizontal</source>
        <translation>Parte superior del obstáculo: %1° sobre la horizontal</translation>
    </message>
    <message>
        <source>clear by %1°</source>
        <translation>libre por %1°</translation>
    </message>
    <message>
        <source>blocked by %1°</source>
        <translation>bloqueado por %1°</translation>
    </message>
    <message>
        <source>%1: %2 is outside %3 to %4 %5.</source>
        <translation>%1: %2 está fuera de %3 a %4 %5.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a number; allowed: %3 to %4 %5.</source>
        <translation>%1: «%2» no es un número; se admite: de %3 a %4 %5.</translation>
    </message>
    <message>
        <source>%1 is not a page; the pages are %2.</source>
        <translation>%1 no es una página; las páginas son %2.</translation>
    </message>
    <message>
        <source>Kestrion %1 — every figure as the web app shows it</source>
        <translation>Kestrion %1 — todos los valores tal como los muestra la aplicación web</translation>
    </message>
</context>
<context>
    <name>kestrion::desktop::AboutWindow</name>
    <message>
        <source>Kestrion is free: you may copy it and pass it on to anyone you like. The latest version can always be downloaded from :</source>
        <translation>Kestrion es libre: puede copiarlo y dárselo a quien quiera. La última versión se puede descargar siempre de:</translation>
    </message>
    <message>
        <source>About Kestrion</source>
        <translation>Acerca de Kestrion</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>kestrion::ui::AngleEditor</name>
    <message>
        <source>Type the latitude</source>
        <translation>Escriba la latitud</translation>
    </message>
    <message>
        <source>Type the longitude</source>
        <translation>Escriba la longitud</translation>
    </message>
    <message>
        <source>Type the satellite position or name</source>
        <translation>Escriba la posición o el nombre del satélite</translation>
    </message>
</context>
<context>
    <name>kestrion::ui::JobMenus</name>
    <message>
        <source>&amp;Sites</source>
        <translation>&amp;Ubicaciones</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Save site…</source>
        <translation>&amp;Guardar ubicación…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Imprimir…</translation>
    </message>
    <message>
        <source>&amp;Export PDF…</source>
        <translation>&amp;Exportar PDF…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>No saved sites</source>
        <translation>No hay ubicaciones guardadas</translation>
    </message>
    <message>
        <source>&amp;Rename site…</source>
        <translation>&amp;Renombrar ubicación…</translation>
    </message>
    <message>
        <source>&amp;Delete site…</source>
        <translation>&amp;Eliminar ubicación…</translation>
    </message>
    <message numerus="yes">
        <source>%n saved site(s) could not be read…</source>
        <translation>
            <numerusform>No se pudo leer %n ubicación guardada…</numerusform>
            <numerusform>No se pudieron leer %n ubicaciones guardadas…</numerusform>
        </translation>
    </message>
    <message>
        <source>Saved sites</source>
        <translation>Ubicaciones guardadas</translation>
    </message>
    <message>
        <source>Save site</source>
        <translation>Guardar ubicación</translation>
    </message>
    <message>
        <source>Name of the site:</source>
        <translation>Nombre de la ubicación:</translation>
    </message>
    <message>
        <source>A site needs a name; nothing was saved.</source>
        <translation>Una ubicación necesita un nombre; no se ha guardado nada.</translation>
    </message>
    <message>
        <source>A site named &quot;%1&quot; is saved already. Replace it?</source>
        <translation>Ya hay una ubicación guardada con el nombre «%1». ¿Reemplazarla?</translation>
    </message>
    <message>
        <source>Saved site:</source>
        <translation>Ubicación guardada:</translation>
    </message>
    <message>
        <source>Rename site</source>
        <translation>Renombrar ubicación</translation>
    </message>
    <message>
        <source>New name:</source>
        <translation>Nombre nuevo:</translation>
    </message>
    <message>
        <source>Delete site</source>
        <translation>Eliminar ubicación</translation>
    </message>
    <message>
        <source>Delete the saved site &quot;%1&quot;?</source>
        <translation>¿Eliminar la ubicación guardada «%1»?</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>job sheet</source>
        <translation>hoja de trabajo</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>Exportar PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
</context>
<context>
    <name>kestrion::ui::MainWindow</name>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>%1° leans back</source>
        <translation>%1° hacia atrás</translation>
    </message>
    <message>
        <source>%1° leans forward</source>
        <translation>%1° hacia delante</translation>
    </message>
    <message>
        <source>%1° upright</source>
        <translation>%1° vertical</translation>
    </message>
    <message>
        <source>No magnetic model: no magnetic bearing.</source>
        <translation>Sin modelo magnético: no hay rumbo magnético.</translation>
    </message>
    <message>
        <source>Date outside the magnetic model (2025 to 2029).</source>
        <translation>Fecha fuera del modelo magnético (2025 a 2029).</translation>
    </message>
    <message>
        <source>Weak magnetic field: a compass is unreliable here.</source>
        <translation>Campo magnético débil: aquí una brújula no es fiable.</translation>
    </message>
    <message>
        <source>Below the horizon: not visible from this site.</source>
        <translation>Bajo el horizonte: no se ve desde esta ubicación.</translation>
    </message>
    <message>
        <source>At a pole the azimuth is arbitrary.</source>
        <translation>En un polo el acimut es arbitrario.</translation>
    </message>
    <message>
        <source>The magnetic model does not cover this date.</source>
        <translation>El modelo magnético no cubre esta fecha.</translation>
    </message>
    <message>
        <source>%1: not this position</source>
        <translation>%1: no es esta posición</translation>
    </message>
    <message>
        <source>&amp;Rain availability (ITU-R)…</source>
        <translation>&amp;Disponibilidad con lluvia (UIT-R)…</translation>
    </message>
    <message>
        <source>The &amp;sun: direction, outages, obstacles…</source>
        <translation>El &amp;sol: dirección, interferencias, obstáculos…</translation>
    </message>
    <message>
        <source>&amp;Motor and multifeed…</source>
        <translation>&amp;Motor y multifeed…</translation>
    </message>
</context>
<context>
    <name>kestrion::ui::MotorDialog</name>
    <message>
        <source>east</source>
        <translation>este</translation>
    </message>
    <message>
        <source>west</source>
        <translation>oeste</translation>
    </message>
    <message>
        <source>on the meridian</source>
        <translation>en el meridiano</translation>
    </message>
    <message>
        <source>Motor and multifeed</source>
        <translation>Motor y multifeed</translation>
    </message>
    <message>
        <source>Satellites visible from here</source>
        <translation>Satélites visibles desde aquí</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satélite</translation>
    </message>
    <message>
        <source>Elevation</source>
        <translation>Elevación</translation>
    </message>
    <message>
        <source>Azimuth</source>
        <translation>Acimut</translation>
    </message>
    <message>
        <source>Skew</source>
        <translation>Giro del LNB</translation>
    </message>
    <message>
        <source>Motor</source>
        <translation>Motor</translation>
    </message>
    <message>
        <source>Motor (DiSEqC 1.2, USALS) on a polar mount</source>
        <translation>Motor (DiSEqC 1.2, USALS) en un soporte polar</translation>
    </message>
    <message>
        <source>How far the motor turns either side of the meridian, 1 to 90 degrees</source>
        <translation>Cuánto gira el motor a cada lado del meridiano, de 1 a 90 grados</translation>
    </message>
    <message>
        <source>Motor limit (deg)</source>
        <translation>Límite del motor (grados)</translation>
    </message>
    <message>
        <source>Motor angle</source>
        <translation>Ángulo del motor</translation>
    </message>
    <message>
        <source>DiSEqC Goto angular position, after Eutelsat&apos;s positioner application note</source>
        <translation>DiSEqC «Goto angular position», según la nota de aplicación de posicionadores de Eutelsat</translation>
    </message>
    <message>
        <source>DiSEqC command</source>
        <translation>Orden DiSEqC</translation>
    </message>
    <message>
        <source>Polar mount</source>
        <translation>Soporte polar</translation>
    </message>
    <message>
        <source>Second LNB (multifeed)</source>
        <translation>Segundo LNB (multifeed)</translation>
    </message>
    <message>
        <source>Second satellite</source>
        <translation>Segundo satélite</translation>
    </message>
    <message>
        <source>By name or position, e.g. Hotbird 13E or 13E</source>
        <translation>Por nombre o posición, p. ej. Hotbird 13E o 13E</translation>
    </message>
    <message>
        <source>Dish diameter (m)</source>
        <translation>Diámetro de la antena (m)</translation>
    </message>
    <message>
        <source>Focal length (m)</source>
        <translation>Distancia focal (m)</translation>
    </message>
    <message>
        <source>For an offset dish, the focal length of the parent paraboloid it is cut from</source>
        <translation>En una antena offset, la distancia focal del paraboloide del que está recortada</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not taken. Enter a number of degrees either side of the meridian from %2 to %3.</source>
        <translation>«%1» no se acepta. Introduzca un número de grados a cada lado del meridiano de %2 a %3.</translation>
    </message>
    <message>
        <source>elevation scale %1, declination offset %2, dish elevation %3</source>
        <translation>escala de elevación %1, desfase de declinación %2, elevación de la antena %3</translation>
    </message>
    <message>
        <source>The satellite is beyond the motor&apos;s limit of %1: the motor cannot turn the dish to it.</source>
        <translation>El satélite está más allá del límite del motor de %1: el motor no puede girar la antena hasta él.</translation>
    </message>
    <message>
        <source>Separation %1; second LNB %2 mm %3 of the first, seen from behind the dish; rail tilt %4; its skew %5</source>
        <translation>Separación %1; segundo LNB a %2 mm al %3 del primero, visto desde detrás de la antena; inclinación del soporte %4; su giro %5</translation>
    </message>
    <message>
        <source>Under 40 mm: two LNB bodies do not fit side by side; use a twin (monoblock) LNB.</source>
        <translation>Menos de 40 mm: dos LNB no caben uno al lado del otro; use un LNB monobloque.</translation>
    </message>
    <message>
        <source>The second satellite is below the horizon here.</source>
        <translation>El segundo satélite está aquí bajo el horizonte.</translation>
    </message>
    <message>
        <source>Magnetic bearing</source>
        <translation>Rumbo magnético</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not taken. Enter the dish&apos;s diameter in metres, from %2 to %3.</source>
        <translation>«%1» no se acepta. Introduzca el diámetro de la antena en metros, de %2 a %3.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not taken. Enter the focal length in metres, from %2 to %3.</source>
        <translation>«%1» no se acepta. Introduzca la distancia focal en metros, de %2 a %3.</translation>
    </message>
    <message>
        <source>A focal length of %1 m on a dish of %2 m is no dish&apos;s (F/D %3). Enter a focal length from %4 to %5 times the diameter; for an offset dish, that of the parent paraboloid.</source>
        <translation>Ninguna antena tiene una distancia focal de %1 m con %2 m de diámetro (F/D %3). Introduzca una distancia focal de %4 a %5 veces el diámetro; en una antena offset, la del paraboloide original.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is at the main satellite&apos;s position, %2. Enter a satellite at another position.</source>
        <translation>«%1» está en la posición del satélite principal, %2. Introduzca un satélite en otra posición.</translation>
    </message>
    <message>
        <source>No figures for the second LNB: a floating-point fault (%1).</source>
        <translation>No hay cifras para el segundo LNB: un fallo de coma flotante (%1).</translation>
    </message>
</context>
<context>
    <name>kestrion::ui::RainAvailabilityDialog</name>
    <message>
        <source>Rain availability (ITU-R)</source>
        <translation>Disponibilidad con lluvia (UIT-R)</translation>
    </message>
    <message>
        <source>Link and rain</source>
        <translation>Enlace y lluvia</translation>
    </message>
    <message>
        <source>Availability</source>
        <translation>Disponibilidad</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Elegir…</translation>
    </message>
    <message>
        <source>Nothing was changed:</source>
        <translation>No se ha cambiado nada:</translation>
    </message>
    <message>
        <source>not used</source>
        <translation>sin usar</translation>
    </message>
    <message>
        <source>Change on the C/N page</source>
        <translation>Cambiar en la página C/N</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not taken. Enter a frequency from %2 to %3 GHz.</source>
        <translation>«%1» no se acepta. Introduzca una frecuencia de %2 a %3 GHz.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not taken. Enter an elevation above %2 and up to %3 degrees.</source>
        <translation>«%1» no se acepta. Introduzca una elevación mayor que %2 y hasta %3 grados.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not taken. Enter a latitude from %2 to %3 degrees.</source>
        <translation>«%1» no se acepta. Introduzca una latitud de %2 a %3 grados.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not taken. Enter a rain rate from %2 to %3 mm/h.</source>
        <translation>«%1» no se acepta. Introduzca una intensidad de lluvia de %2 a %3 mm/h.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not taken. Enter a rain height from %2 to %3 km above sea level.</source>
        <translation>«%1» no se acepta. Introduzca una altura de lluvia de %2 a %3 km sobre el nivel del mar.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not taken. Enter the station&apos;s height from %2 to %3 km above sea level.</source>
        <translation>«%1» no se acepta. Introduzca la altura de la estación de %2 a %3 km sobre el nivel del mar.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not taken. Enter a tilt from %2 to %3 degrees from the horizontal, or horizontal, vertical or circular.</source>
        <translation>«%1» no se acepta. Introduzca una inclinación de %2 a %3 grados respecto a la horizontal, o horizontal, vertical o circular.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not taken. Enter percentages of the year from %2 to %3, several separated by commas.</source>
        <translation>«%1» no se acepta. Introduzca porcentajes del año de %2 a %3, varios separados por comas.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not taken. Choose a zone letter of the ITU-R P.837-1 table: %2.</source>
        <translation>«%1» no se acepta. Elija una letra de zona de la tabla de ITU-R P.837-1: %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not taken. Enter a C/N from %2 to %3 dB, or a DVB-S2 modulation and code rate such as &quot;8PSK 3/5&quot;.</source>
        <translation>«%1» no se acepta. Introduzca una C/N de %2 a %3 dB, o una modulación y tasa de código DVB-S2 como «8PSK 3/5».</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not taken. Enter a target from %2 to %3 % of the year.</source>
        <translation>«%1» no se acepta. Introduzca un objetivo de %2 a %3 % del año.</translation>
    </message>
    <message>
        <source>the station height is in km (%1 m is %2)</source>
        <translation>la altura de la estación va en km (%1 m son %2)</translation>
    </message>
    <message>
        <source>DVB-S2 has no %1; its %2 code rates are %3</source>
        <translation>DVB-S2 no tiene %1; sus tasas de código %2 son %3</translation>
    </message>
</context>
<context>
    <name>kestrion::ui::TabControl</name>
    <message>
        <source>Pages</source>
        <translation>Páginas</translation>
    </message>
</context>
<context>
    <name>kestrion::ui::SunDialog</name>
    <message>
        <source>Enter a whole number from %1 to %2.</source>
        <translation>Introduzca un número entero de %1 a %2.</translation>
    </message>
    <message>
        <source>Enter a number above %1 up to %2.</source>
        <translation>Introduzca un número mayor que %1 y hasta %2.</translation>
    </message>
    <message>
        <source>Enter a number from %1 to %2.</source>
        <translation>Introduzca un número de %1 a %2.</translation>
    </message>
    <message>
        <source>At %1 a plumb line&apos;s shadow points the way the dish must face (the sun %2 high).</source>
        <translation>A las %1 la sombra de una plomada señala hacia donde debe mirar la antena (sol a %2).</translation>
    </message>
    <message>
        <source>At %1 face the sun: that is the dish&apos;s direction (the sun %2 high).</source>
        <translation>A las %1 mire hacia el sol: esa es la dirección de la antena (sol a %2).</translation>
    </message>
    <message>
        <source>No shadow points the dish&apos;s way this day: the sun stands opposite the dish only below the horizon, or never.</source>
        <translation>Ese día ninguna sombra señala la dirección de la antena: el sol solo está enfrente bajo el horizonte, o nunca.</translation>
    </message>
    <message>
        <source>The sun does not stand in the dish&apos;s direction this day while above the horizon.</source>
        <translation>Ese día el sol no pasa por la dirección de la antena mientras está sobre el horizonte.</translation>
    </message>
    <message>
        <source>The sun: direction, outages and obstacles</source>
        <translation>El sol: dirección, interferencias solares y obstáculos</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Dish diameter (m)</source>
        <translation>Diámetro de la antena (m)</translation>
    </message>
    <message>
        <source>Frequency (GHz)</source>
        <translation>Frecuencia (GHz)</translation>
    </message>
    <message>
        <source>Days of outages</source>
        <translation>Días de previsión</translation>
    </message>
    <message>
        <source>Obstacle&apos;s height above the dish (m)</source>
        <translation>Altura del obstáculo sobre la antena (m)</translation>
    </message>
    <message>
        <source>Obstacle&apos;s distance (m)</source>
        <translation>Distancia del obstáculo (m)</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Peak</source>
        <translation>Máximo</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Separation</source>
        <translation>Separación</translation>
    </message>
    <message>
        <source>Enter the obstacle&apos;s height and its distance.</source>
        <translation>Introduzca la altura y la distancia del obstáculo.</translation>
    </message>
    <message>
        <source>The satellite is below the horizon: the sun can show no direction to it and causes no outage.</source>
        <translation>El satélite está bajo el horizonte: el sol no puede indicar dirección hacia él ni causa interferencias.</translation>
    </message>
    <message>
        <source>The dish faces %1 from true north, %2 up. Times in %3.</source>
        <translation>La antena apunta a %1 desde el norte geográfico, a %2 de elevación. Horas en %3.</translation>
    </message>
    <message>
        <source>Beamwidth %1, so the sun disturbs the dish within %2 of the satellite.</source>
        <translation>Ancho de haz %1: el sol perturba la antena a menos de %2 del satélite.</translation>
    </message>
    <message>
        <source>The sun never reaches the satellite from this site.</source>
        <translation>Desde este lugar el sol nunca alcanza al satélite.</translation>
    </message>
    <message>
        <source>No sun outage in the days asked for.</source>
        <translation>Ninguna interferencia solar en los días pedidos.</translation>
    </message>
    <message>
        <source>Sun outages in the days asked for: within each window the sun adds its own noise to the dish&apos;s, so the picture may break up for the window&apos;s minutes, every year, and nothing is wrong with the installation.</source>
        <translation>Interferencias solares en los días pedidos: en cada intervalo el sol suma su propio ruido al de la antena, así que la imagen puede cortarse durante esos minutos, cada año, y la instalación está bien.</translation>
    </message>
    <message>
        <source>Enter an obstacle&apos;s height and distance to see whether it blocks the satellite.</source>
        <translation>Introduzca la altura y la distancia de un obstáculo para saber si tapa el satélite.</translation>
    </message>
    <message>
        <source>Its top stands %1 above the horizontal.</source>
        <translation>Su parte superior está %1 por encima de la horizontal.</translation>
    </message>
    <message>
        <source>The satellite clears it by %1.</source>
        <translation>El satélite lo libra por %1.</translation>
    </message>
    <message>
        <source>It blocks the satellite by %1.</source>
        <translation>Tapa el satélite por %1.</translation>
    </message>
    <message>
        <source>To clear it by %1 it must stand at least %2 away.</source>
        <translation>Para librarlo por %1 debe estar al menos a %2.</translation>
    </message>
    <message>
        <source>No distance clears it by %1: the satellite stands no higher.</source>
        <translation>Ninguna distancia lo libra por %1: el satélite no está más alto.</translation>
    </message>
</context>
<context>
    <name>kestrion::ui::RangeBox</name>
    <message>
        <source>%1 is outside %2 to %3%4; %5 kept</source>
        <translation>%1 está fuera de %2 a %3%4; se mantiene %5</translation>
    </message>
</context>
</TS>
