<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>AngleText</name>
    <message>
        <source>Nothing was typed.</source>
        <translation>Nic nie wpisano.</translation>
    </message>
    <message>
        <source>That is not an angle.</source>
        <translation>To nie jest kąt.</translation>
    </message>
    <message>
        <source>A minus or plus sign cannot be used with a hemisphere letter.</source>
        <translation>Znaku minus ani plus nie można używać razem z literą półkuli.</translation>
    </message>
    <message>
        <source>Only one hemisphere letter is allowed.</source>
        <translation>Dozwolona jest tylko jedna litera półkuli.</translation>
    </message>
    <message>
        <source>That hemisphere letter does not fit here.</source>
        <translation>Ta litera półkuli nie pasuje tutaj.</translation>
    </message>
    <message>
        <source>Only the last of degrees, minutes and seconds may have decimals.</source>
        <translation>Tylko ostatnia z wartości: stopnie, minuty, sekundy może mieć część dziesiętną.</translation>
    </message>
    <message>
        <source>Minutes must be below 60.</source>
        <translation>Minuty muszą być mniejsze niż 60.</translation>
    </message>
    <message>
        <source>Seconds must be below 60.</source>
        <translation>Sekundy muszą być mniejsze niż 60.</translation>
    </message>
    <message>
        <source>That is out of range.</source>
        <translation>Ta wartość jest poza zakresem.</translation>
    </message>
    <message>
        <source>That is neither a position nor the name of a listed satellite.</source>
        <translation>To nie jest ani pozycja, ani nazwa satelity z listy.</translation>
    </message>
    <message>
        <source>Latitude: -90 to 90 degrees, N or S, e.g. 52.52, -33.9247, 33.9247S, 33°55&apos;29&quot;S, 33 55 29 S or 33°55.48&apos;S.</source>
        <translation>Szerokość: od -90 do 90 stopni, N lub S, np. 52.52, -33.9247, 33.9247S, 33°55&apos;29&quot;S, 33 55 29 S lub 33°55.48&apos;S.</translation>
    </message>
    <message>
        <source>Longitude: -180 to 180 degrees, E or W, e.g. 13.405, -5, 5W, W5, 13°24&apos;18&quot;E or 13 24 18 E.</source>
        <translation>Długość: od -180 do 180 stopni, E lub W, np. 13.405, -5, 5W, W5, 13°24&apos;18&quot;E lub 13 24 18 E.</translation>
    </message>
    <message>
        <source>Satellite position: -180 to 180 degrees, E or W, e.g. 19.2E, 19,2, -5, 5W or 30°0&apos;W, or a satellite name such as Astra 19.2E.</source>
        <translation>Pozycja satelity: od -180 do 180 stopni, E lub W, np. 19.2E, 19,2, -5, 5W lub 30°0&apos;W, albo nazwa satelity, np. Astra 19.2E.</translation>
    </message>
    <message>
        <source>That name does not single out one satellite; it fits %1.</source>
        <translation>Ta nazwa nie wskazuje jednego satelity; pasuje do: %1.</translation>
    </message>
</context>
<context>
    <name>Browser</name>
    <message>
        <source> could not find a file association for </source>
        <translation> nie znalazł skojarzenia plików dla </translation>
    </message>
    <message>
        <source> on your system. You should check that your browser</source>
        <translation> w systemie. Sprawdź, czy przeglądarka</translation>
    </message>
    <message>
        <source>is correctly installed and associated with this type of file.</source>
        <translation>jest poprawnie zainstalowana i skojarzona z tym typem plików.</translation>
    </message>
    <message>
        <source> had a problem running your web browser.</source>
        <translation> miał problem z uruchomieniem przeglądarki.</translation>
    </message>
    <message>
        <source>You should check that your browser is correctly installed.</source>
        <translation>Sprawdź, czy przeglądarka jest poprawnie zainstalowana.</translation>
    </message>
    <message>
        <source>(Error</source>
        <translation>(Błąd</translation>
    </message>
    <message>
        <source>)</source>
        <translation>)</translation>
    </message>
    <message>
        <source>Browser Unavailable</source>
        <translation>Przeglądarka niedostępna</translation>
    </message>
</context>
<context>
    <name>Caption</name>
    <message>
        <source>LNB skew direction</source>
        <translation>Kierunek obrotu konwertera</translation>
    </message>
    <message>
        <source>LNB Noise Figure (dB)</source>
        <translation>Szumy LNB (dB)</translation>
    </message>
    <message>
        <source>Gain LNB (dB)</source>
        <translation>Wzm. LNB (dB)</translation>
    </message>
    <message>
        <source>Cable Loss (dB)</source>
        <translation>Tłum. kabla (dB)</translation>
    </message>
    <message>
        <source>IF amplifier noise figure (dB)</source>
        <translation>Szumy wzm. p.cz. (dB)</translation>
    </message>
    <message>
        <source>Noise Figure (dB)</source>
        <translation>Wsp. szumów (dB)</translation>
    </message>
    <message>
        <source>Noise Temperature (K)</source>
        <translation>Temperatura szumowa (K)</translation>
    </message>
    <message>
        <source>Feed Losses (dB)</source>
        <translation>Straty tuby (dB)</translation>
    </message>
    <message>
        <source>Dish Diameter (m)</source>
        <translation>Średnica czaszy (m)</translation>
    </message>
    <message>
        <source>Efficiency (%)</source>
        <translation>Sprawność (%)</translation>
    </message>
    <message>
        <source>Frequency (GHz)</source>
        <translation>Częstotl. (GHz)</translation>
    </message>
    <message>
        <source>Antenna noise temperature (K)</source>
        <translation>Temp. szumowa anteny (K)</translation>
    </message>
    <message>
        <source>Receiver Noise Figure (dB)</source>
        <translation>Szumy odbiornika (dB)</translation>
    </message>
    <message>
        <source>IF Amplifier Gain (dB)</source>
        <translation>Wzmocn. p.cz. (dB)</translation>
    </message>
    <message>
        <source>System Noise Figure (dB)</source>
        <translation>Wsp. szumów systemu (dB)</translation>
    </message>
    <message>
        <source>Antenna Gain (dB)</source>
        <translation>Zysk (dB)</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Szerokość</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Długość</translation>
    </message>
    <message>
        <source>Satellite position</source>
        <translation>Pozycja satelity</translation>
    </message>
    <message>
        <source>Eirp (dBW)</source>
        <translation>EIRP (dBW)</translation>
    </message>
    <message>
        <source>Dish Diameter (cm)</source>
        <translation>Średnica czaszy (cm)</translation>
    </message>
    <message>
        <source>Antenna Efficiency  (%)</source>
        <translation>Sprawność anteny (%)</translation>
    </message>
    <message>
        <source>Antenna Noise Temp. (K)</source>
        <translation>Temp. szumowa anteny (K)</translation>
    </message>
    <message>
        <source>System Noise Figure</source>
        <translation>Wsp. szumów systemu</translation>
    </message>
    <message>
        <source>Bandwidth (MHz)</source>
        <translation>Pasmo (MHz)</translation>
    </message>
    <message>
        <source>G/T (dB/K)</source>
        <translation>G/T (dB/K)</translation>
    </message>
    <message>
        <source>Elevation angle (deg)</source>
        <translation>Elewacja (°)</translation>
    </message>
    <message>
        <source>Azimuth angle (deg)</source>
        <translation>Azymut (°)</translation>
    </message>
    <message>
        <source>Polarization angle (deg)</source>
        <translation>Kąt polaryzacji (°)</translation>
    </message>
    <message>
        <source>Distance to satellite (km)</source>
        <translation>Odległość do satelity (km)</translation>
    </message>
    <message>
        <source>Carrier to Noise (dB)</source>
        <translation>Nośna/szum (dB)</translation>
    </message>
    <message>
        <source>Elevation</source>
        <translation>Elewacja</translation>
    </message>
    <message>
        <source>Clear sky</source>
        <translation>Pogodnie</translation>
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
        <translation>NF na temperaturę szumową</translation>
    </message>
    <message>
        <source>Antenna Gain Calculations</source>
        <translation>Zysk anteny</translation>
    </message>
    <message>
        <source>G/T Calculations</source>
        <translation>Obliczenie G/T</translation>
    </message>
    <message>
        <source>Antenna Alignment</source>
        <translation>Ustawienie anteny</translation>
    </message>
    <message>
        <source>C/N</source>
        <translation>C/N</translation>
    </message>
    <message>
        <source>(west = neg.  east = pos.)</source>
        <translation>(zach. = ujem.  wsch. = dod.)</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>W</source>
        <translation>W</translation>
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
        <translation>Azymut magn., deklinacja</translation>
    </message>
    <message>
        <source>Magnetic bearing (deg)</source>
        <translation>Azymut magnetyczny (°)</translation>
    </message>
    <message>
        <source>Magnetic declination</source>
        <translation>Deklinacja magnetyczna</translation>
    </message>
    <message>
        <source>Compass warnings</source>
        <translation>Ostrzeżenia kompasu</translation>
    </message>
    <message>
        <source>Dish offset angle (deg)</source>
        <translation>Kąt offsetu (°)</translation>
    </message>
    <message>
        <source>Face tilt</source>
        <translation>Pochylenie</translation>
    </message>
    <message>
        <source>Footprints on the web</source>
        <translation>Footprinty w sieci</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Visit:</source>
        <translation>Web:</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satelita</translation>
    </message>
</context>
<context>
    <name>JobSheet</name>
    <message>
        <source>Azimuth</source>
        <translation>Azymut</translation>
    </message>
    <message>
        <source>Skew</source>
        <translation>Polaryzacja</translation>
    </message>
    <message>
        <source>Elevation</source>
        <translation>Elewacja</translation>
    </message>
    <message>
        <source>Kestrion job sheet</source>
        <translation>Karta montażu Kestrion</translation>
    </message>
    <message>
        <source>Date: %1</source>
        <translation>Data: %1</translation>
    </message>
    <message>
        <source>Site: %1</source>
        <translation>Lokalizacja: %1</translation>
    </message>
    <message>
        <source>(not saved)</source>
        <translation>(niezapisana)</translation>
    </message>
    <message>
        <source>True azimuth</source>
        <translation>Azymut geograficzny</translation>
    </message>
    <message>
        <source>Site and satellite</source>
        <translation>Lokalizacja i satelita</translation>
    </message>
    <message>
        <source>Pointing</source>
        <translation>Ustawienie anteny</translation>
    </message>
    <message>
        <source>Link budget (C/N)</source>
        <translation>Bilans łącza (C/N)</translation>
    </message>
    <message>
        <source>System noise figure chain</source>
        <translation>Szumy toru odbiorczego</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Uwagi</translation>
    </message>
    <message>
        <source>Installer: ______________________    Customer: ______________________</source>
        <translation>Instalator: ______________________    Klient: ______________________</translation>
    </message>
    <message>
        <source>Kestrion %1 — every figure as the window shows it</source>
        <translation>Kestrion %1 — wszystkie wartości jak w oknie programu</translation>
    </message>
    <message>
        <source>Cannot write the job sheet to %1: %2</source>
        <translation>Nie można zapisać karty montażu do %1: %2</translation>
    </message>
    <message>
        <source>Cannot draw the job sheet for %1</source>
        <translation>Nie można utworzyć karty montażu dla %1</translation>
    </message>
    <message>
        <source>Cannot print the job sheet on %1</source>
        <translation>Nie można wydrukować karty montażu na %1</translation>
    </message>
    <message>
        <source>Rain fade (ITU-R P.618): the basis</source>
        <translation>Tłumienie deszczowe (ITU-R P.618): dane wejściowe</translation>
    </message>
    <message>
        <source>Rain availability</source>
        <translation>Dostępność w deszczu</translation>
    </message>
    <message>
        <source>Times in</source>
        <translation>Godziny w strefie</translation>
    </message>
    <message>
        <source>Shadow</source>
        <translation>Cień</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Słońce</translation>
    </message>
    <message>
        <source>Sun outage</source>
        <translation>Zakłócenie słoneczne</translation>
    </message>
    <message>
        <source>%1, %2 to %3, closest at %4: %5 from the satellite</source>
        <translation>%1, od %2 do %3, najbliżej o %4: %5 od satelity</translation>
    </message>
    <message>
        <source>Obstacle</source>
        <translation>Przeszkoda</translation>
    </message>
    <message>
        <source>Motor limit</source>
        <translation>Granica silnika</translation>
    </message>
    <message>
        <source>Latitude scale</source>
        <translation>Skala szerokości</translation>
    </message>
    <message>
        <source>Declination offset</source>
        <translation>Przesunięcie deklinacji</translation>
    </message>
    <message>
        <source>Dish elevation on the mount</source>
        <translation>Elewacja czaszy na uchwycie</translation>
    </message>
    <message>
        <source>Second LNB</source>
        <translation>Drugi LNB</translation>
    </message>
</context>
<context>
    <name>PageText</name>
    <message>
        <source>LNB skew direction</source>
        <translation>Kierunek obrotu konwertera</translation>
    </message>
    <message>
        <source>none: upright</source>
        <translation>brak: pionowo</translation>
    </message>
    <message>
        <source>anticlockwise, from behind the dish</source>
        <translation>w lewo, patrząc od tyłu</translation>
    </message>
    <message>
        <source>clockwise, from behind the dish</source>
        <translation>w prawo, patrząc od tyłu</translation>
    </message>
    <message>
        <source>none: the LNB stays upright</source>
        <translation>brak: konwerter zostaje pionowo</translation>
    </message>
    <message>
        <source>anticlockwise, seen from behind the dish looking at the satellite</source>
        <translation>przeciwnie do ruchu wskazówek zegara, patrząc zza czaszy w stronę satelity</translation>
    </message>
    <message>
        <source>clockwise, seen from behind the dish looking at the satellite</source>
        <translation>zgodnie z ruchem wskazówek zegara, patrząc zza czaszy w stronę satelity</translation>
    </message>
    <message>
        <source>Rain</source>
        <translation>Deszcz</translation>
    </message>
    <message>
        <source>Latitude (DMS)</source>
        <translation>Szerokość (st. min. s)</translation>
    </message>
    <message>
        <source>Longitude (DMS)</source>
        <translation>Długość (st. min. s)</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satelita</translation>
    </message>
    <message>
        <source>Magnetic bearing</source>
        <translation>Azymut magnetyczny</translation>
    </message>
    <message>
        <source>Magnetic declination</source>
        <translation>Deklinacja magn.</translation>
    </message>
    <message>
        <source>Declination model</source>
        <translation>Model deklinacji</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Dish offset angle</source>
        <translation>Kąt offsetu</translation>
    </message>
    <message>
        <source>Face tilt</source>
        <translation>Pochylenie</translation>
    </message>
    <message>
        <source>deg</source>
        <translation>°</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Uwaga</translation>
    </message>
</context>
<context>
    <name>RainFade</name>
    <message>
        <source>Frequency</source>
        <translation>Częstotliwość</translation>
    </message>
    <message>
        <source>The downlink frequency of the carrier</source>
        <translation>Częstotliwość nośnej w łączu w dół</translation>
    </message>
    <message>
        <source>Tilt from the horizontal</source>
        <translation>Nachylenie od poziomu</translation>
    </message>
    <message>
        <source>The angle of a linear polarization from the horizontal, as seen at the dish</source>
        <translation>Kąt polaryzacji liniowej względem poziomu, widziany od strony czaszy</translation>
    </message>
    <message>
        <source>Rain rate R0.01</source>
        <translation>Intensywność deszczu R0.01</translation>
    </message>
    <message>
        <source>The rain rate exceeded for 0.01 % of an average year at the site</source>
        <translation>Intensywność deszczu przekraczana przez 0,01 % przeciętnego roku w miejscu instalacji</translation>
    </message>
    <message>
        <source>Rain height</source>
        <translation>Wysokość deszczu</translation>
    </message>
    <message>
        <source>The top of the rain above sea level: 0.36 km above the 0 °C isotherm</source>
        <translation>Górna granica deszczu nad poziomem morza: 0,36 km powyżej izotermy 0 °C</translation>
    </message>
    <message>
        <source>Station height</source>
        <translation>Wysokość stacji</translation>
    </message>
    <message>
        <source>The height of the dish above sea level</source>
        <translation>Wysokość czaszy nad poziomem morza</translation>
    </message>
    <message>
        <source>Required C/N</source>
        <translation>Wymagany C/N</translation>
    </message>
    <message>
        <source>The C/N the receiver needs for a clean picture</source>
        <translation>C/N, którego odbiornik potrzebuje do czystego obrazu</translation>
    </message>
    <message>
        <source>Target availability</source>
        <translation>Docelowa dostępność</translation>
    </message>
    <message>
        <source>The part of an average year the picture should stay</source>
        <translation>Część przeciętnego roku, przez którą obraz ma się utrzymać</translation>
    </message>
    <message>
        <source>Polarization</source>
        <translation>Polaryzacja</translation>
    </message>
    <message>
        <source>Horizontal fades most; circular is counted as a tilt of 45°</source>
        <translation>Pozioma jest tłumiona najbardziej; kołowa liczy się jako nachylenie 45°</translation>
    </message>
    <message>
        <source>Rain zone (older ITU-R P.837-1 table)</source>
        <translation>Strefa deszczowa (stara tabela ITU-R P.837-1)</translation>
    </message>
    <message>
        <source>The climatic zone letter of the older table, for its R0.01</source>
        <translation>Litera strefy klimatycznej ze starej tabeli, dla jej R0.01</translation>
    </message>
    <message>
        <source>ITU-R P.837 map of R0.01</source>
        <translation>Mapa R0.01 (ITU-R P.837)</translation>
    </message>
    <message>
        <source>The ITU&apos;s map file R001.TXT: R0.01 is read at the site</source>
        <translation>Plik mapy R001.TXT z ITU: R0.01 odczytywane w miejscu instalacji</translation>
    </message>
    <message>
        <source>ITU-R P.839 map of the 0 °C isotherm</source>
        <translation>Mapa izotermy 0 °C (ITU-R P.839)</translation>
    </message>
    <message>
        <source>The ITU&apos;s map file h0.txt: the rain height is read at the site</source>
        <translation>Plik mapy h0.txt z ITU: wysokość deszczu odczytywana w miejscu instalacji</translation>
    </message>
    <message>
        <source>DVB-S2 modulation and code rate</source>
        <translation>Modulacja i sprawność kodu DVB-S2</translation>
    </message>
    <message>
        <source>Its ideal Es/N0 for quasi-error-free reception (ETSI EN 302 307-1)</source>
        <translation>Jej idealne Es/N0 dla odbioru praktycznie bez błędów (ETSI EN 302 307-1)</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Pozioma</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Pionowa</translation>
    </message>
    <message>
        <source>Circular</source>
        <translation>Kołowa</translation>
    </message>
    <message>
        <source>Tilted</source>
        <translation>Nachylona</translation>
    </message>
    <message>
        <source>%1° from the horizontal</source>
        <translation>%1° od poziomu</translation>
    </message>
    <message>
        <source>R0.01 from</source>
        <translation>R0.01 według</translation>
    </message>
    <message>
        <source>zone %1 of the older ITU-R P.837-1 table</source>
        <translation>strefa %1 ze starej tabeli ITU-R P.837-1</translation>
    </message>
    <message>
        <source>the ITU-R P.837 map %1</source>
        <translation>mapa %1 (ITU-R P.837)</translation>
    </message>
    <message>
        <source>Rain height from</source>
        <translation>Wysokość deszczu według</translation>
    </message>
    <message>
        <source>the ITU-R P.839 map %1</source>
        <translation>mapa %1 (ITU-R P.839)</translation>
    </message>
    <message>
        <source>Elevation and latitude</source>
        <translation>Elewacja i szerokość</translation>
    </message>
    <message>
        <source>Rain availability</source>
        <translation>Dostępność w deszczu</translation>
    </message>
    <message>
        <source>still needs: %1</source>
        <translation>brakuje: %1</translation>
    </message>
    <message>
        <source>none: the satellite is below the horizon</source>
        <translation>brak: satelita jest poniżej horyzontu</translation>
    </message>
    <message>
        <source>not worked out: a floating-point fault</source>
        <translation>nie obliczono: błąd zmiennoprzecinkowy</translation>
    </message>
    <message>
        <source>Clear-sky margin</source>
        <translation>Zapas przy dobrej pogodzie</translation>
    </message>
    <message>
        <source>Rain fade at %1 %</source>
        <translation>Tłumienie deszczowe przy %1 %</translation>
    </message>
    <message>
        <source>C/N drop at %1 %</source>
        <translation>Spadek C/N przy %1 %</translation>
    </message>
    <message>
        <source>Availability with this dish</source>
        <translation>Dostępność z tą czaszą</translation>
    </message>
    <message>
        <source>over %1</source>
        <translation>ponad %1</translation>
    </message>
    <message>
        <source>under %1</source>
        <translation>poniżej %1</translation>
    </message>
    <message>
        <source>Dish for %1 %</source>
        <translation>Czasza dla %1 %</translation>
    </message>
    <message>
        <source>none up to %1</source>
        <translation>żadna do %1</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Ostrzeżenie</translation>
    </message>
    <message>
        <source>The station height (%1 km) is at or above the rain height (%2 km): the path meets no rain, so every fade shows 0 dB. Check both heights (in km above sea level).</source>
        <translation>Wysokość stacji (%1 km) jest równa wysokości deszczu (%2 km) lub ją przekracza: na trasie sygnału nie ma deszczu, więc każde tłumienie wynosi 0 dB. Sprawdź obie wysokości (w km nad poziomem morza).</translation>
    </message>
    <message>
        <source>I type the rate</source>
        <translation>Wpisuję natężenie</translation>
    </message>
    <message>
        <source>I type the C/N</source>
        <translation>Wpisuję C/N</translation>
    </message>
    <message>
        <source>It starts from the C/N page: EIRP %1 dBW, dish %2 cm, clear-sky C/N %3 dB.</source>
        <translation>Wychodzi od strony C/N: EIRP %1 dBW, czasza %2 cm, C/N przy czystym niebie %3 dB.</translation>
    </message>
    <message>
        <source>The values filled in are an example (zone K, 3 km, 12 GHz, 8PSK 2/3), not this site&apos;s: enter the site&apos;s own.</source>
        <translation>Wpisane wartości to przykład (strefa K, 3 km, 12 GHz, 8PSK 2/3), nie dane tego miejsca: wpisz jego własne.</translation>
    </message>
    <message>
        <source>Rain fade: the loss of signal in the rain.</source>
        <translation>Tłumienie deszczowe: utrata sygnału w deszczu.</translation>
    </message>
    <message>
        <source>C/N drop: the rain fade plus the sky noise the rain adds.</source>
        <translation>Spadek C/N: tłumienie deszczowe plus szum nieba dodany przez deszcz.</translation>
    </message>
    <message>
        <source>%1 dB: fails even in clear sky</source>
        <translation>%1 dB: zawodzi nawet przy czystym niebie</translation>
    </message>
    <message>
        <source>Horizontal, turned by the skew: %1°</source>
        <translation>Pozioma, obrócona o skręt: %1°</translation>
    </message>
    <message>
        <source>Vertical, turned by the skew: %1°</source>
        <translation>Pionowa, obrócona o skręt: %1°</translation>
    </message>
</context>
<context>
    <name>SiteStore</name>
    <message>
        <source>it has no name</source>
        <translation>brak nazwy</translation>
    </message>
    <message>
        <source>latitude</source>
        <translation>szerokość</translation>
    </message>
    <message>
        <source>longitude</source>
        <translation>długość</translation>
    </message>
    <message>
        <source>satellite position</source>
        <translation>pozycja satelity</translation>
    </message>
    <message>
        <source>its %1 &quot;%2&quot; is refused: %3</source>
        <translation>odrzucono wartość „%2” (%1): %3</translation>
    </message>
    <message>
        <source>Some lines of %1 cannot be read and are left out.</source>
        <translation>Niektórych wierszy pliku %1 nie można odczytać; zostały pominięte.</translation>
    </message>
    <message>
        <source>The saved sites in %1 cannot be read.</source>
        <translation>Nie można odczytać zapisanych lokalizacji z %1.</translation>
    </message>
    <message>
        <source>its offset angle &quot;%1&quot; is not 0 to 45 degrees with at most one decimal</source>
        <translation>kąt offsetu „%1” nie mieści się w zakresie od 0 do 45 stopni lub ma więcej niż jedno miejsce po przecinku</translation>
    </message>
    <message>
        <source>its last use is not a number</source>
        <translation>czas ostatniego użycia nie jest liczbą</translation>
    </message>
    <message>
        <source>Saved site &quot;%1&quot; (entry %2) skipped: %3.</source>
        <translation>Pominięto zapisaną lokalizację „%1” (wpis %2): %3.</translation>
    </message>
    <message>
        <source>Cannot create the folder %1.</source>
        <translation>Nie można utworzyć folderu %1.</translation>
    </message>
    <message>
        <source>The saved sites are busy in another window; try again.</source>
        <translation>Zapisane lokalizacje są używane w innym oknie; spróbuj ponownie.</translation>
    </message>
    <message>
        <source>The saved sites in %1 cannot be read, so they are left as they are.</source>
        <translation>Nie można odczytać zapisanych lokalizacji z %1, więc pozostają bez zmian.</translation>
    </message>
    <message>
        <source>Cannot write the saved sites to %1.</source>
        <translation>Nie można zapisać lokalizacji do %1.</translation>
    </message>
    <message>
        <source>Cannot write the saved sites to %1: %2</source>
        <translation>Nie można zapisać lokalizacji do %1: %2</translation>
    </message>
    <message>
        <source>There is no saved site &quot;%1&quot;.</source>
        <translation>Nie ma zapisanej lokalizacji „%1”.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is empty or the name of another saved site.</source>
        <translation>Nazwa „%1” jest pusta lub należy już do innej zapisanej lokalizacji.</translation>
    </message>
</context>
<context>
    <name>Tooltip</name>
    <message>
        <source>Which way to turn the LNB, seen from behind the dish looking at the satellite</source>
        <translation>W którą stronę obrócić konwerter, patrząc zza czaszy w stronę satelity</translation>
    </message>
    <message>
        <source>When not using an IF amplifier, apply 0 dB</source>
        <translation>Bez wzmacniacza p.cz. ustaw 0 dB</translation>
    </message>
    <message>
        <source>The noise can be described in Noise Figure or Noise Temperature</source>
        <translation>Szumy można opisać współczynnikiem szumów lub temperaturą szumową</translation>
    </message>
    <message>
        <source>Rain attenuation is affected by the elevation of the antenna</source>
        <translation>Tłumienie deszczowe zależy od elewacji anteny</translation>
    </message>
    <message>
        <source>Normally between  0 - 50 K. See specification of your dish.</source>
        <translation>Zwykle od 0 do 50 K. Zobacz dane techniczne czaszy.</translation>
    </message>
    <message>
        <source>Normally between 0 - 0.5 dB</source>
        <translation>Zwykle od 0 do 0,5 dB</translation>
    </message>
    <message>
        <source>Normally between 0.7 to 1.2 dB</source>
        <translation>Zwykle od 0,7 do 1,2 dB</translation>
    </message>
    <message>
        <source>Normally between 40 and 60 dB. To avoid intermodulation products, use as low gain as possible without raising the system NF.</source>
        <translation>Zwykle od 40 do 60 dB. Aby uniknąć produktów intermodulacji, ustaw jak najmniejsze wzmocnienie, które nie podnosi współczynnika szumów systemu.</translation>
    </message>
    <message>
        <source>Cable Loss between the LNB and IF amplifier</source>
        <translation>Tłumienie kabla między LNB a wzmacniaczem p.cz.</translation>
    </message>
    <message>
        <source>The result</source>
        <translation>Wynik</translation>
    </message>
    <message>
        <source>See specifications of your receiver</source>
        <translation>Zobacz dane techniczne odbiornika</translation>
    </message>
    <message>
        <source>Apply minor diameter when using an offset dish</source>
        <translation>Dla czaszy offsetowej podaj mniejszą średnicę</translation>
    </message>
    <message>
        <source>Normally 40 to 70 %</source>
        <translation>Zwykle od 40 do 70 %</translation>
    </message>
    <message>
        <source>The gain of the antenna depends of frequency</source>
        <translation>Zysk anteny zależy od częstotliwości</translation>
    </message>
    <message>
        <source>If you know the gain but not the efficiency, vary the efficiency until you get the correct gain</source>
        <translation>Jeśli znasz zysk, ale nie sprawność, zmieniaj sprawność, aż uzyskasz właściwy zysk</translation>
    </message>
    <message>
        <source>Can be calculated in the System Noise Figure section</source>
        <translation>Można go obliczyć w części Współczynnik szumów systemu</translation>
    </message>
    <message>
        <source>The gain can be calculated from antenna size and efficiency in the Antenna Gain Calculations section</source>
        <translation>Zysk można obliczyć z rozmiaru i sprawności anteny w części Zysk anteny</translation>
    </message>
    <message>
        <source>G/T is a measure of the performance of your system</source>
        <translation>G/T jest miarą jakości całej instalacji</translation>
    </message>
    <message>
        <source>Latitude of dish  location</source>
        <translation>Szerokość geograficzna miejsca anteny</translation>
    </message>
    <message>
        <source>Longitude of dish location</source>
        <translation>Długość geograficzna miejsca anteny</translation>
    </message>
    <message>
        <source>Satellite position</source>
        <translation>Pozycja satelity</translation>
    </message>
    <message>
        <source>How to align the dish by the compass</source>
        <translation>Jak ustawić antenę według kompasu</translation>
    </message>
    <message>
        <source>Note that Astra satellites differ from standard polarisation</source>
        <translation>Uwaga: satelity Astra różnią się od standardowej polaryzacji</translation>
    </message>
    <message>
        <source>Angle of inclination</source>
        <translation>Kąt elewacji nad horyzontem</translation>
    </message>
    <message>
        <source>Needed for C/N calculations</source>
        <translation>Potrzebna do obliczenia C/N</translation>
    </message>
    <message>
        <source>Set this on a magnetic compass: the azimuth less the magnetic declination</source>
        <translation>Ustaw to na kompasie magnetycznym: azymut minus deklinacja magnetyczna</translation>
    </message>
    <message>
        <source>Magnetic declination at the site on the date (World Magnetic Model 2025)</source>
        <translation>Deklinacja magnetyczna w miejscu i dniu (World Magnetic Model 2025)</translation>
    </message>
    <message>
        <source>0 for a prime-focus dish; offset dishes are typically 20 to 28 degrees</source>
        <translation>0 dla czaszy z ogniskiem pierwotnym; czasze offsetowe mają zwykle od 20 do 28 stopni</translation>
    </message>
    <message>
        <source>Tilt of the dish face from vertical: the elevation less the offset angle</source>
        <translation>Pochylenie czoła czaszy od pionu: elewacja minus kąt offsetu</translation>
    </message>
    <message>
        <source>Equivalent Isotropic Radiated Power</source>
        <translation>Równoważna moc promieniowana izotropowo</translation>
    </message>
    <message>
        <source>Get the Eirp from the footprint of the satellite</source>
        <translation>Odczytaj EIRP z mapy footprintu satelity</translation>
    </message>
    <message>
        <source>Use the minor diameter for an offset dish</source>
        <translation>Dla czaszy offsetowej podaj mniejszą średnicę</translation>
    </message>
    <message>
        <source>If you only know the gain, you can calculate the efficiency in the Antenna Gain Calculations</source>
        <translation>Jeśli znasz tylko zysk, sprawność obliczysz w części Zysk anteny</translation>
    </message>
    <message>
        <source>See specifications of your antenna. Normally between 0 to 50 K.</source>
        <translation>Zobacz dane techniczne anteny. Zwykle od 0 do 50 K.</translation>
    </message>
    <message>
        <source> Use System Noise Figure calculations and manually apply correct value.</source>
        <translation> Oblicz go w części Współczynnik szumów systemu i ustaw wartość ręcznie.</translation>
    </message>
    <message>
        <source>Bandwidth of the receiver</source>
        <translation>Pasmo odbiornika</translation>
    </message>
    <message>
        <source>Imported from Antenna Alignment Calculations</source>
        <translation>Przeniesiona z części Ustawienie anteny</translation>
    </message>
    <message>
        <source>The rain attenuation is usable in the 10 to 13 GHz band only</source>
        <translation>Tłumienie deszczowe dotyczy tylko pasma od 10 do 13 GHz</translation>
    </message>
    <message>
        <source>The answer</source>
        <translation>Wynik</translation>
    </message>
    <message>
        <source>The elevation is imported from Antenna alignment calculations</source>
        <translation>Elewacja jest przeniesiona z części Ustawienie anteny</translation>
    </message>
    <message>
        <source>The satellite chosen by name</source>
        <translation>Satelita wybrany po nazwie</translation>
    </message>
</context>
<context>
    <name>Web</name>
    <message>
        <source>The calculator could not be started: %1</source>
        <translation>Nie udało się uruchomić kalkulatora: %1</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Język</translation>
    </message>
    <message>
        <source>The page&apos;s figures are on the clipboard.</source>
        <translation>Wartości ze strony są w schowku.</translation>
    </message>
    <message>
        <source>The browser did not allow copying: %1</source>
        <translation>Przeglądarka nie pozwoliła skopiować: %1</translation>
    </message>
    <message>
        <source>Job sheet</source>
        <translation>Karta montażu</translation>
    </message>
    <message>
        <source>Print or save as PDF</source>
        <translation>Drukuj lub zapisz jako PDF</translation>
    </message>
    <message>
        <source>Back to the calculator</source>
        <translation>Wróć do kalkulatora</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Close this message</source>
        <translation>Zamknij komunikat</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Użyj</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Zmień nazwę</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Saved site &quot;%1&quot;.</source>
        <translation>Zapisano lokalizację „%1”.</translation>
    </message>
    <message>
        <source>Site &quot;%1&quot; entered.</source>
        <translation>Wprowadzono lokalizację „%1”.</translation>
    </message>
    <message>
        <source>The browser did not keep the site: %1</source>
        <translation>Przeglądarka nie zachowała lokalizacji: %1</translation>
    </message>
    <message>
        <source>Type a value</source>
        <translation>Wpisz wartość</translation>
    </message>
    <message>
        <source>Hint: %1</source>
        <translation>Wskazówka: %1</translation>
    </message>
    <message>
        <source>%1 is not taken: %2 to %3 %4, in steps of %5.</source>
        <translation>Nie przyjęto %1: od %2 do %3 %4, co %5.</translation>
    </message>
    <message>
        <source>Not taken, the value shown still holds: %1</source>
        <translation>Nie przyjęto, obowiązuje pokazana wartość: %1</translation>
    </message>
    <message>
        <source>%1 is not on this device yet: its texts need the network once.</source>
        <translation>%1: tego języka nie ma jeszcze na tym urządzeniu; jego teksty raz potrzebują sieci.</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Satelity</translation>
    </message>
    <message>
        <source>The address&apos;s %1 was not used: %2</source>
        <translation>Nie użyto parametru %1 z adresu: %2</translation>
    </message>
    <message>
        <source>The calculation stopped: %1</source>
        <translation>Obliczenie zostało przerwane: %1</translation>
    </message>
    <message>
        <source>A new version of Kestrion is ready.</source>
        <translation>Dostępna jest nowa wersja programu Kestrion.</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Odśwież</translation>
    </message>
    <message>
        <source>Phone aids</source>
        <translation>Pomoce w telefonie</translation>
    </message>
    <message>
        <source>Use my position</source>
        <translation>Użyj mojej pozycji</translation>
    </message>
    <message>
        <source>Asking for the position…</source>
        <translation>Pobieranie pozycji…</translation>
    </message>
    <message>
        <source>Position entered, accurate to ±%1 m.</source>
        <translation>Pozycja wpisana, dokładność ±%1 m.</translation>
    </message>
    <message>
        <source>The browser was not allowed to give the position: nothing was changed.</source>
        <translation>Przeglądarka nie ma zgody na podanie pozycji: nic nie zmieniono.</translation>
    </message>
    <message>
        <source>The phone found no position fix: nothing was changed. Try again in the open.</source>
        <translation>Telefon nie ustalił pozycji: nic nie zmieniono. Spróbuj ponownie na otwartym terenie.</translation>
    </message>
    <message>
        <source>No position fix within %1 seconds: nothing was changed. Try again in the open.</source>
        <translation>Brak pozycji w ciągu %1 s: nic nie zmieniono. Spróbuj ponownie na otwartym terenie.</translation>
    </message>
    <message>
        <source>This browser cannot give a position: nothing was changed.</source>
        <translation>Ta przeglądarka nie podaje pozycji: nic nie zmieniono.</translation>
    </message>
    <message>
        <source>Compass</source>
        <translation>Kompas</translation>
    </message>
    <message>
        <source>Allow the compass</source>
        <translation>Zezwól na kompas</translation>
    </message>
    <message>
        <source>Allow the motion sensors</source>
        <translation>Zezwól na czujniki ruchu</translation>
    </message>
    <message>
        <source>The compass was not allowed. Allow motion and orientation for this site in the browser&apos;s settings.</source>
        <translation>Nie zezwolono na kompas. Zezwól na ruch i orientację dla tej strony w ustawieniach przeglądarki.</translation>
    </message>
    <message>
        <source>No compass reading: this phone or browser gives none, or it was not allowed.</source>
        <translation>Brak odczytu kompasu: ten telefon lub przeglądarka go nie podaje albo nie zezwolono na niego.</translation>
    </message>
    <message>
        <source>Phone heading: %1° magnetic</source>
        <translation>Kierunek telefonu: %1° magnetyczny</translation>
    </message>
    <message>
        <source>Phone heading: %1° true (geographic north)</source>
        <translation>Kierunek telefonu: %1° rzeczywisty (północ geograficzna)</translation>
    </message>
    <message>
        <source>Magnetic bearing to face: %1°</source>
        <translation>Azymut magnetyczny do ustawienia: %1°</translation>
    </message>
    <message>
        <source>True azimuth to face: %1°</source>
        <translation>Azymut rzeczywisty do ustawienia: %1°</translation>
    </message>
    <message>
        <source>The page gives no magnetic bearing here (see its warnings), so there is nothing to turn to.</source>
        <translation>Strona nie podaje tu azymutu magnetycznego (zob. ostrzeżenia), więc nie ma dokąd się obrócić.</translation>
    </message>
    <message>
        <source>The satellite is below the horizon: there is nothing to turn to.</source>
        <translation>Satelita jest pod horyzontem: nie ma dokąd się obrócić.</translation>
    </message>
    <message>
        <source>Turn %1° right</source>
        <translation>Obróć o %1° w prawo</translation>
    </message>
    <message>
        <source>Turn %1° left</source>
        <translation>Obróć o %1° w lewo</translation>
    </message>
    <message>
        <source>Facing the bearing</source>
        <translation>Kierunek właściwy</translation>
    </message>
    <message>
        <source>Hold the phone flat, or upright with the camera ahead.</source>
        <translation>Trzymaj telefon poziomo albo pionowo, z aparatem skierowanym przed siebie.</translation>
    </message>
    <message>
        <source>Accuracy the phone reports: ±%1°</source>
        <translation>Dokładność podana przez telefon: ±%1°</translation>
    </message>
    <message>
        <source>The phone reports its compass as uncalibrated.</source>
        <translation>Telefon zgłasza, że kompas nie jest skalibrowany.</translation>
    </message>
    <message>
        <source>The phone reports no accuracy: if the heading drifts or jumps, calibrate it with a figure eight.</source>
        <translation>Telefon nie podaje dokładności: jeśli kierunek dryfuje lub skacze, skalibruj kompas ruchem w kształcie ósemki.</translation>
    </message>
    <message>
        <source>The compass is inaccurate: move the phone a few times in a figure eight to calibrate it.</source>
        <translation>Kompas jest niedokładny: kilka razy zatocz telefonem ósemkę, aby go skalibrować.</translation>
    </message>
    <message>
        <source>Hold the phone flat, a few steps away from the dish, the mast and other metal: they pull the compass off.</source>
        <translation>Trzymaj telefon poziomo, kilka kroków od anteny, masztu i innego metalu: zakłócają kompas.</translation>
    </message>
    <message>
        <source>Inclinometer</source>
        <translation>Inklinometr</translation>
    </message>
    <message>
        <source>The motion sensors were not allowed. Allow motion and orientation for this site in the browser&apos;s settings.</source>
        <translation>Nie zezwolono na czujniki ruchu. Zezwól na ruch i orientację dla tej strony w ustawieniach przeglądarki.</translation>
    </message>
    <message>
        <source>No tilt reading: this phone or browser gives none, or it was not allowed.</source>
        <translation>Brak odczytu nachylenia: ten telefon lub przeglądarka go nie podaje albo nie zezwolono na niego.</translation>
    </message>
    <message>
        <source>Hold the back of the phone flat against the back of the dish, the screen towards you, upright or sideways.</source>
        <translation>Przyłóż telefon płasko tyłem do tylnej strony czaszy, ekranem do siebie, pionowo lub poziomo.</translation>
    </message>
    <message>
        <source>Measured elevation: %1°</source>
        <translation>Zmierzona elewacja: %1°</translation>
    </message>
    <message>
        <source>Target elevation: %1°</source>
        <translation>Docelowa elewacja: %1°</translation>
    </message>
    <message>
        <source>No target: the satellite is below the horizon.</source>
        <translation>Brak celu: satelita jest pod horyzontem.</translation>
    </message>
    <message>
        <source>Measured face tilt: %1</source>
        <translation>Zmierzone pochylenie: %1</translation>
    </message>
    <message>
        <source>Target face tilt: %1</source>
        <translation>Docelowe pochylenie: %1</translation>
    </message>
    <message>
        <source>Raise %1°</source>
        <translation>Podnieś o %1°</translation>
    </message>
    <message>
        <source>Lower %1°</source>
        <translation>Opuść o %1°</translation>
    </message>
    <message>
        <source>On target</source>
        <translation>Ustawione</translation>
    </message>
    <message>
        <source>To take off the phone&apos;s own error, lay it on its back on a surface you know is level and tap Zero.</source>
        <translation>Aby odjąć własny błąd telefonu, połóż go tyłem na powierzchni, o której wiesz, że jest pozioma, i dotknij Zeruj.</translation>
    </message>
    <message>
        <source>Zero</source>
        <translation>Zeruj</translation>
    </message>
    <message>
        <source>Clear the zero</source>
        <translation>Usuń zerowanie</translation>
    </message>
    <message>
        <source>Zeroed: the phone&apos;s own error of %1° is taken off.</source>
        <translation>Wyzerowano: własny błąd telefonu %1° jest odejmowany.</translation>
    </message>
    <message>
        <source>Not zeroed: the phone&apos;s reading is used as it is.</source>
        <translation>Bez zerowania: odczyt telefonu jest używany bez zmian.</translation>
    </message>
    <message>
        <source>The phone lies %1° off level: lay it on a level surface and try again.</source>
        <translation>Telefon leży %1° od poziomu: połóż go na poziomej powierzchni i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>Sky view</source>
        <translation>Widok nieba</translation>
    </message>
    <message>
        <source>Show the arc over the camera picture</source>
        <translation>Pokaż łuk na obrazie z aparatu</translation>
    </message>
    <message>
        <source>Stop the camera</source>
        <translation>Zatrzymaj aparat</translation>
    </message>
    <message>
        <source>The camera was not allowed: the sky diagram shows the arc instead.</source>
        <translation>Nie zezwolono na aparat: zamiast tego łuk widać na diagramie nieba.</translation>
    </message>
    <message>
        <source>No camera could be opened (%1): the sky diagram shows the arc instead.</source>
        <translation>Nie udało się otworzyć aparatu (%1): zamiast tego łuk widać na diagramie nieba.</translation>
    </message>
    <message>
        <source>%1: elevation %2°, azimuth %3°</source>
        <translation>%1: elewacja %2°, azymut %3°</translation>
    </message>
    <message>
        <source>The chosen satellite is below the horizon.</source>
        <translation>Wybrany satelita jest pod horyzontem.</translation>
    </message>
    <message>
        <source>Above the horizon: satellite positions %1</source>
        <translation>Nad horyzontem: pozycje satelitów %1</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>od %1 do %2</translation>
    </message>
    <message>
        <source>No part of the arc is above the horizon here.</source>
        <translation>Tutaj żadna część łuku nie jest nad horyzontem.</translation>
    </message>
    <message>
        <source>The arc&apos;s positions</source>
        <translation>Pozycje na łuku</translation>
    </message>
    <message>
        <source>The chosen satellite is %1 and %2 of the cross.</source>
        <translation>Względem krzyżyka wybrany satelita jest %1 i %2.</translation>
    </message>
    <message>
        <source>%1° right</source>
        <translation>%1° na prawo</translation>
    </message>
    <message>
        <source>%1° left</source>
        <translation>%1° na lewo</translation>
    </message>
    <message>
        <source>%1° up</source>
        <translation>%1° wyżej</translation>
    </message>
    <message>
        <source>%1° down</source>
        <translation>%1° niżej</translation>
    </message>
    <message>
        <source>Calibrate the view</source>
        <translation>Kalibruj widok</translation>
    </message>
    <message>
        <source>The cross is on the object</source>
        <translation>Krzyżyk jest na obiekcie</translation>
    </message>
    <message>
        <source>The object is in the ring</source>
        <translation>Obiekt jest w pierścieniu</translation>
    </message>
    <message>
        <source>Put the cross on a distant object (a chimney, a mast), then tap the button.</source>
        <translation>Naprowadź krzyżyk na odległy obiekt (komin, maszt), potem dotknij przycisku.</translation>
    </message>
    <message>
        <source>Turn the phone until the same object sits in the ring, then tap the button.</source>
        <translation>Obracaj telefon, aż ten sam obiekt znajdzie się w pierścieniu, potem dotknij przycisku.</translation>
    </message>
    <message>
        <source>Calibrated: the picture spans %1° across.</source>
        <translation>Skalibrowano: obraz obejmuje %1° szerokości.</translation>
    </message>
    <message>
        <source>That gives %1° across the picture, which no phone camera has: nothing was changed. Try again with a more distant object.</source>
        <translation>To dałoby %1° szerokości obrazu, czego nie ma żaden aparat telefonu: nic nie zmieniono. Spróbuj z bardziej odległym obiektem.</translation>
    </message>
    <message>
        <source>Margin above the obstacle (degrees)</source>
        <translation>Zapas nad przeszkodą (stopnie)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not taken. %2</source>
        <translation>„%1” nie zostało przyjęte. %2</translation>
    </message>
    <message>
        <source>Enter a date from %1 to %2.</source>
        <translation>Podaj datę od %1 do %2.</translation>
    </message>
    <message>
        <source>The sun and the shadow</source>
        <translation>Słońce i cień</translation>
    </message>
    <message>
        <source>Sun outages</source>
        <translation>Zakłócenia słoneczne</translation>
    </message>
    <message>
        <source>What blocks the view</source>
        <translation>Co zasłania widok</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Słońce</translation>
    </message>
    <message>
        <source>Calibrate on the sun</source>
        <translation>Kalibruj na słońce</translation>
    </message>
    <message>
        <source>Never look at the sun through the camera&apos;s eyepiece, nor with the naked eye for long: look at the sun on the screen only.</source>
        <translation>Nigdy nie patrz na słońce przez wizjer aparatu ani długo gołym okiem: patrz na słońce tylko na ekranie.</translation>
    </message>
    <message>
        <source>Hold the phone upright with the camera towards the sun, turn it until the sun on the screen sits inside the marked circle, then tap the button.</source>
        <translation>Trzymaj telefon pionowo, aparatem w stronę słońca, obracaj, aż słońce na ekranie znajdzie się w zaznaczonym kółku, i dotknij przycisku.</translation>
    </message>
    <message>
        <source>The sun is in the circle</source>
        <translation>Słońce jest w kółku</translation>
    </message>
    <message>
        <source>The sun is below the horizon now: calibrate on it by day.</source>
        <translation>Słońce jest teraz pod horyzontem: kalibruj na nie w dzień.</translation>
    </message>
    <message>
        <source>true north, from the sun, just now</source>
        <translation>północ geograficzna, ze słońca, przed chwilą</translation>
    </message>
    <message>
        <source>true north, from the sun, 1 minute ago</source>
        <translation>północ geograficzna, ze słońca, 1 minutę temu</translation>
    </message>
    <message>
        <source>true north, from the sun, %1 minutes ago</source>
        <translation>północ geograficzna, ze słońca, %1 min temu</translation>
    </message>
    <message>
        <source>The correction from the sun was dropped after 15 minutes: calibrate on the sun again.</source>
        <translation>Korekta ze słońca została odrzucona po 15 minutach: skalibruj ponownie na słońce.</translation>
    </message>
    <message>
        <source>The correction from the sun was dropped: the phone reported a jump in the compass&apos;s accuracy. Calibrate on the sun again.</source>
        <translation>Korekta ze słońca została odrzucona: telefon zgłosił skok dokładności kompasu. Skalibruj ponownie na słońce.</translation>
    </message>
    <message>
        <source>Loading the section…</source>
        <translation>Wczytywanie sekcji…</translation>
    </message>
    <message>
        <source>The section could not be loaded: %1</source>
        <translation>Nie udało się wczytać sekcji: %1</translation>
    </message>
    <message>
        <source>Tap a satellite to point the alignment page at it.</source>
        <translation>Dotknij satelity, aby ustawić na niego stronę ustawiania anteny.</translation>
    </message>
    <message>
        <source>Sight the top of the obstacle</source>
        <translation>Wyceluj w szczyt przeszkody</translation>
    </message>
    <message>
        <source>To check a tree or a wall: stand at the dish, lay the phone&apos;s long edge along the line to the obstacle&apos;s top, in the satellite&apos;s direction, and read how far the satellite clears it.</source>
        <translation>Aby sprawdzić drzewo lub mur: stań przy czaszy, przyłóż dłuższą krawędź telefonu wzdłuż linii do szczytu przeszkody w kierunku satelity i odczytaj, o ile satelita ją mija.</translation>
    </message>
    <message>
        <source>The obstacle&apos;s top: %1° above the horizontal</source>
        <translation>Szczyt przeszkody: %1° nad poziomem</translation>
    </message>
    <message>
        <source>clear by %1°</source>
        <translation>wolne o %1°</translation>
    </message>
    <message>
        <source>blocked by %1°</source>
        <translation>zasłonięte o %1°</translation>
    </message>
    <message>
        <source>%1: %2 is outside %3 to %4 %5.</source>
        <translation>%1: %2 jest poza zakresem od %3 do %4 %5.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a number; allowed: %3 to %4 %5.</source>
        <translation>%1: „%2” nie jest liczbą; dozwolone: od %3 do %4 %5.</translation>
    </message>
    <message>
        <source>%1 is not a page; the pages are %2.</source>
        <translation>%1 nie jest stroną; strony to %2.</translation>
    </message>
    <message>
        <source>Kestrion %1 — every figure as the web app shows it</source>
        <translation>Kestrion %1 — wszystkie wartości jak w aplikacji webowej</translation>
    </message>
</context>
<context>
    <name>kestrion::desktop::AboutWindow</name>
    <message>
        <source>Kestrion is free: you may copy it and pass it on to anyone you like. The latest version can always be downloaded from :</source>
        <translation>Kestrion jest wolny: możesz go kopiować i przekazywać komu chcesz. Najnowszą wersję zawsze pobierzesz z:</translation>
    </message>
    <message>
        <source>About Kestrion</source>
        <translation>O programie Kestrion</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
</context>
<context>
    <name>kestrion::ui::AngleEditor</name>
    <message>
        <source>Type the latitude</source>
        <translation>Wpisz szerokość geograficzną</translation>
    </message>
    <message>
        <source>Type the longitude</source>
        <translation>Wpisz długość geograficzną</translation>
    </message>
    <message>
        <source>Type the satellite position or name</source>
        <translation>Wpisz pozycję lub nazwę satelity</translation>
    </message>
</context>
<context>
    <name>kestrion::ui::JobMenus</name>
    <message>
        <source>&amp;Sites</source>
        <translation>&amp;Lokalizacje</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>&amp;Save site…</source>
        <translation>&amp;Zapisz lokalizację…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Drukuj…</translation>
    </message>
    <message>
        <source>&amp;Export PDF…</source>
        <translation>&amp;Eksportuj do PDF…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>Za&amp;kończ</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edycja</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiuj</translation>
    </message>
    <message>
        <source>No saved sites</source>
        <translation>Brak zapisanych lokalizacji</translation>
    </message>
    <message>
        <source>&amp;Rename site…</source>
        <translation>Zmień &amp;nazwę lokalizacji…</translation>
    </message>
    <message>
        <source>&amp;Delete site…</source>
        <translation>&amp;Usuń lokalizację…</translation>
    </message>
    <message numerus="yes">
        <source>%n saved site(s) could not be read…</source>
        <translation>
            <numerusform>Nie można odczytać %n zapisanej lokalizacji…</numerusform>
            <numerusform>Nie można odczytać %n zapisanych lokalizacji…</numerusform>
            <numerusform>Nie można odczytać %n zapisanych lokalizacji…</numerusform>
        </translation>
    </message>
    <message>
        <source>Saved sites</source>
        <translation>Zapisane lokalizacje</translation>
    </message>
    <message>
        <source>Save site</source>
        <translation>Zapisz lokalizację</translation>
    </message>
    <message>
        <source>Name of the site:</source>
        <translation>Nazwa lokalizacji:</translation>
    </message>
    <message>
        <source>A site needs a name; nothing was saved.</source>
        <translation>Lokalizacja musi mieć nazwę; nic nie zapisano.</translation>
    </message>
    <message>
        <source>A site named &quot;%1&quot; is saved already. Replace it?</source>
        <translation>Lokalizacja o nazwie „%1” jest już zapisana. Zastąpić ją?</translation>
    </message>
    <message>
        <source>Saved site:</source>
        <translation>Zapisana lokalizacja:</translation>
    </message>
    <message>
        <source>Rename site</source>
        <translation>Zmień nazwę lokalizacji</translation>
    </message>
    <message>
        <source>New name:</source>
        <translation>Nowa nazwa:</translation>
    </message>
    <message>
        <source>Delete site</source>
        <translation>Usuń lokalizację</translation>
    </message>
    <message>
        <source>Delete the saved site &quot;%1&quot;?</source>
        <translation>Usunąć zapisaną lokalizację „%1”?</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drukuj</translation>
    </message>
    <message>
        <source>job sheet</source>
        <translation>karta montażu</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>Eksportuj do PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Pliki PDF (*.pdf)</translation>
    </message>
</context>
<context>
    <name>kestrion::ui::MainWindow</name>
    <message>
        <source>About</source>
        <translation>O programie</translation>
    </message>
    <message>
        <source>%1° leans back</source>
        <translation>%1° do tyłu</translation>
    </message>
    <message>
        <source>%1° leans forward</source>
        <translation>%1° do przodu</translation>
    </message>
    <message>
        <source>%1° upright</source>
        <translation>%1° pionowo</translation>
    </message>
    <message>
        <source>No magnetic model: no magnetic bearing.</source>
        <translation>Brak modelu magnetycznego: brak azymutu magnetycznego.</translation>
    </message>
    <message>
        <source>Date outside the magnetic model (2025 to 2029).</source>
        <translation>Data poza modelem magnetycznym (2025–2029).</translation>
    </message>
    <message>
        <source>Weak magnetic field: a compass is unreliable here.</source>
        <translation>Słabe pole magnetyczne: kompas jest tu zawodny.</translation>
    </message>
    <message>
        <source>Below the horizon: not visible from this site.</source>
        <translation>Poniżej horyzontu: niewidoczny z tego miejsca.</translation>
    </message>
    <message>
        <source>At a pole the azimuth is arbitrary.</source>
        <translation>Na biegunie azymut jest dowolny.</translation>
    </message>
    <message>
        <source>The magnetic model does not cover this date.</source>
        <translation>Model magnetyczny nie obejmuje tej daty.</translation>
    </message>
    <message>
        <source>%1: not this position</source>
        <translation>%1: nie ta pozycja</translation>
    </message>
    <message>
        <source>&amp;Rain availability (ITU-R)…</source>
        <translation>&amp;Dostępność w deszczu (ITU-R)…</translation>
    </message>
    <message>
        <source>The &amp;sun: direction, outages, obstacles…</source>
        <translation>&amp;Słońce: kierunek, zakłócenia, przeszkody…</translation>
    </message>
    <message>
        <source>&amp;Motor and multifeed…</source>
        <translation>&amp;Silnik i multifeed…</translation>
    </message>
</context>
<context>
    <name>kestrion::ui::MotorDialog</name>
    <message>
        <source>east</source>
        <translation>wschód</translation>
    </message>
    <message>
        <source>west</source>
        <translation>zachód</translation>
    </message>
    <message>
        <source>on the meridian</source>
        <translation>na południku</translation>
    </message>
    <message>
        <source>Motor and multifeed</source>
        <translation>Silnik i multifeed</translation>
    </message>
    <message>
        <source>Satellites visible from here</source>
        <translation>Satelity widoczne stąd</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satelita</translation>
    </message>
    <message>
        <source>Elevation</source>
        <translation>Elewacja</translation>
    </message>
    <message>
        <source>Azimuth</source>
        <translation>Azymut</translation>
    </message>
    <message>
        <source>Skew</source>
        <translation>Skręt LNB</translation>
    </message>
    <message>
        <source>Motor</source>
        <translation>Silnik</translation>
    </message>
    <message>
        <source>Motor (DiSEqC 1.2, USALS) on a polar mount</source>
        <translation>Silnik (DiSEqC 1.2, USALS) na uchwycie polarnym</translation>
    </message>
    <message>
        <source>How far the motor turns either side of the meridian, 1 to 90 degrees</source>
        <translation>Jak daleko silnik obraca się po obu stronach południka, od 1 do 90 stopni</translation>
    </message>
    <message>
        <source>Motor limit (deg)</source>
        <translation>Limit silnika (stopnie)</translation>
    </message>
    <message>
        <source>Motor angle</source>
        <translation>Kąt silnika</translation>
    </message>
    <message>
        <source>DiSEqC Goto angular position, after Eutelsat&apos;s positioner application note</source>
        <translation>DiSEqC „Goto angular position” według noty aplikacyjnej pozycjonerów Eutelsatu</translation>
    </message>
    <message>
        <source>DiSEqC command</source>
        <translation>Polecenie DiSEqC</translation>
    </message>
    <message>
        <source>Polar mount</source>
        <translation>Uchwyt polarny</translation>
    </message>
    <message>
        <source>Second LNB (multifeed)</source>
        <translation>Drugi konwerter (multifeed)</translation>
    </message>
    <message>
        <source>Second satellite</source>
        <translation>Drugi satelita</translation>
    </message>
    <message>
        <source>By name or position, e.g. Hotbird 13E or 13E</source>
        <translation>Nazwą lub pozycją, np. Hotbird 13E lub 13E</translation>
    </message>
    <message>
        <source>Dish diameter (m)</source>
        <translation>Średnica czaszy (m)</translation>
    </message>
    <message>
        <source>Focal length (m)</source>
        <translation>Ogniskowa (m)</translation>
    </message>
    <message>
        <source>For an offset dish, the focal length of the parent paraboloid it is cut from</source>
        <translation>Dla czaszy offsetowej ogniskowa paraboloidy macierzystej, z której jest wycięta</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not taken. Enter a number of degrees either side of the meridian from %2 to %3.</source>
        <translation>„%1” nie zostało przyjęte. Wpisz liczbę stopni po obu stronach południka od %2 do %3.</translation>
    </message>
    <message>
        <source>elevation scale %1, declination offset %2, dish elevation %3</source>
        <translation>skala elewacji %1, przesunięcie deklinacji %2, elewacja czaszy %3</translation>
    </message>
    <message>
        <source>The satellite is beyond the motor&apos;s limit of %1: the motor cannot turn the dish to it.</source>
        <translation>Satelita leży poza limitem silnika %1: silnik nie obróci do niego czaszy.</translation>
    </message>
    <message>
        <source>Separation %1; second LNB %2 mm %3 of the first, seen from behind the dish; rail tilt %4; its skew %5</source>
        <translation>Odstęp %1; drugi konwerter %2 mm na %3 od pierwszego, patrząc zza czaszy; pochylenie szyny %4; jego skręt %5</translation>
    </message>
    <message>
        <source>Under 40 mm: two LNB bodies do not fit side by side; use a twin (monoblock) LNB.</source>
        <translation>Poniżej 40 mm: dwa konwertery nie zmieszczą się obok siebie; użyj konwertera monoblok.</translation>
    </message>
    <message>
        <source>The second satellite is below the horizon here.</source>
        <translation>Drugi satelita jest tu pod horyzontem.</translation>
    </message>
    <message>
        <source>Magnetic bearing</source>
        <translation>Namiar magnetyczny</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not taken. Enter the dish&apos;s diameter in metres, from %2 to %3.</source>
        <translation>„%1” nie zostało przyjęte. Wpisz średnicę anteny w metrach, od %2 do %3.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not taken. Enter the focal length in metres, from %2 to %3.</source>
        <translation>„%1” nie zostało przyjęte. Wpisz ogniskową w metrach, od %2 do %3.</translation>
    </message>
    <message>
        <source>A focal length of %1 m on a dish of %2 m is no dish&apos;s (F/D %3). Enter a focal length from %4 to %5 times the diameter; for an offset dish, that of the parent paraboloid.</source>
        <translation>Żadna antena nie ma ogniskowej %1 m przy średnicy %2 m (F/D %3). Wpisz ogniskową od %4 do %5 średnicy; dla anteny offsetowej – ogniskową paraboloidy macierzystej.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is at the main satellite&apos;s position, %2. Enter a satellite at another position.</source>
        <translation>„%1” jest na pozycji głównego satelity, %2. Wpisz satelitę na innej pozycji.</translation>
    </message>
    <message>
        <source>No figures for the second LNB: a floating-point fault (%1).</source>
        <translation>Brak wartości dla drugiego LNB: błąd zmiennoprzecinkowy (%1).</translation>
    </message>
</context>
<context>
    <name>kestrion::ui::RainAvailabilityDialog</name>
    <message>
        <source>Rain availability (ITU-R)</source>
        <translation>Dostępność w deszczu (ITU-R)</translation>
    </message>
    <message>
        <source>Link and rain</source>
        <translation>Łącze i deszcz</translation>
    </message>
    <message>
        <source>Availability</source>
        <translation>Dostępność</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Wybierz…</translation>
    </message>
    <message>
        <source>Nothing was changed:</source>
        <translation>Nic nie zmieniono:</translation>
    </message>
    <message>
        <source>not used</source>
        <translation>nieużywana</translation>
    </message>
    <message>
        <source>Change on the C/N page</source>
        <translation>Zmień na stronie C/N</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not taken. Enter a frequency from %2 to %3 GHz.</source>
        <translation>„%1” nie zostało przyjęte. Wpisz częstotliwość od %2 do %3 GHz.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not taken. Enter an elevation above %2 and up to %3 degrees.</source>
        <translation>„%1” nie zostało przyjęte. Wpisz elewację powyżej %2 i do %3 stopni.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not taken. Enter a latitude from %2 to %3 degrees.</source>
        <translation>„%1” nie zostało przyjęte. Wpisz szerokość geograficzną od %2 do %3 stopni.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not taken. Enter a rain rate from %2 to %3 mm/h.</source>
        <translation>„%1” nie zostało przyjęte. Wpisz intensywność opadu od %2 do %3 mm/h.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not taken. Enter a rain height from %2 to %3 km above sea level.</source>
        <translation>„%1” nie zostało przyjęte. Wpisz wysokość opadu od %2 do %3 km n.p.m.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not taken. Enter the station&apos;s height from %2 to %3 km above sea level.</source>
        <translation>„%1” nie zostało przyjęte. Wpisz wysokość stacji od %2 do %3 km n.p.m.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not taken. Enter a tilt from %2 to %3 degrees from the horizontal, or horizontal, vertical or circular.</source>
        <translation>„%1” nie zostało przyjęte. Wpisz nachylenie od %2 do %3 stopni od poziomu albo horizontal, vertical lub circular.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not taken. Enter percentages of the year from %2 to %3, several separated by commas.</source>
        <translation>„%1” nie zostało przyjęte. Wpisz procenty roku od %2 do %3, kilka rozdzielonych przecinkami.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not taken. Choose a zone letter of the ITU-R P.837-1 table: %2.</source>
        <translation>„%1” nie zostało przyjęte. Wybierz literę strefy z tabeli ITU-R P.837-1: %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not taken. Enter a C/N from %2 to %3 dB, or a DVB-S2 modulation and code rate such as &quot;8PSK 3/5&quot;.</source>
        <translation>„%1” nie zostało przyjęte. Wpisz C/N od %2 do %3 dB albo modulację i sprawność kodu DVB-S2, np. „8PSK 3/5”.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not taken. Enter a target from %2 to %3 % of the year.</source>
        <translation>„%1” nie zostało przyjęte. Wpisz cel od %2 do %3% roku.</translation>
    </message>
    <message>
        <source>the station height is in km (%1 m is %2)</source>
        <translation>wysokość stacji podaje się w km (%1 m to %2)</translation>
    </message>
    <message>
        <source>DVB-S2 has no %1; its %2 code rates are %3</source>
        <translation>DVB-S2 nie ma %1; jego sprawności kodu %2 to %3</translation>
    </message>
</context>
<context>
    <name>kestrion::ui::TabControl</name>
    <message>
        <source>Pages</source>
        <translation>Strony</translation>
    </message>
</context>
<context>
    <name>kestrion::ui::SunDialog</name>
    <message>
        <source>Enter a whole number from %1 to %2.</source>
        <translation>Wpisz liczbę całkowitą od %1 do %2.</translation>
    </message>
    <message>
        <source>Enter a number above %1 up to %2.</source>
        <translation>Wpisz liczbę większą od %1, najwyżej %2.</translation>
    </message>
    <message>
        <source>Enter a number from %1 to %2.</source>
        <translation>Wpisz liczbę od %1 do %2.</translation>
    </message>
    <message>
        <source>At %1 a plumb line&apos;s shadow points the way the dish must face (the sun %2 high).</source>
        <translation>O %1 cień pionu wskazuje kierunek, w którym ma patrzeć antena (słońce na %2).</translation>
    </message>
    <message>
        <source>At %1 face the sun: that is the dish&apos;s direction (the sun %2 high).</source>
        <translation>O %1 stań twarzą do słońca: to kierunek anteny (słońce na %2).</translation>
    </message>
    <message>
        <source>No shadow points the dish&apos;s way this day: the sun stands opposite the dish only below the horizon, or never.</source>
        <translation>Tego dnia żaden cień nie wskazuje kierunku anteny: słońce stoi naprzeciw niej tylko pod horyzontem albo wcale.</translation>
    </message>
    <message>
        <source>The sun does not stand in the dish&apos;s direction this day while above the horizon.</source>
        <translation>Tego dnia słońce nad horyzontem nie staje w kierunku anteny.</translation>
    </message>
    <message>
        <source>The sun: direction, outages and obstacles</source>
        <translation>Słońce: kierunek, zakłócenia słoneczne i przeszkody</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Dish diameter (m)</source>
        <translation>Średnica anteny (m)</translation>
    </message>
    <message>
        <source>Frequency (GHz)</source>
        <translation>Częstotliwość (GHz)</translation>
    </message>
    <message>
        <source>Days of outages</source>
        <translation>Dni prognozy</translation>
    </message>
    <message>
        <source>Obstacle&apos;s height above the dish (m)</source>
        <translation>Wysokość przeszkody nad anteną (m)</translation>
    </message>
    <message>
        <source>Obstacle&apos;s distance (m)</source>
        <translation>Odległość przeszkody (m)</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Początek</translation>
    </message>
    <message>
        <source>Peak</source>
        <translation>Szczyt</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Koniec</translation>
    </message>
    <message>
        <source>Separation</source>
        <translation>Odstęp</translation>
    </message>
    <message>
        <source>Enter the obstacle&apos;s height and its distance.</source>
        <translation>Wpisz wysokość i odległość przeszkody.</translation>
    </message>
    <message>
        <source>The satellite is below the horizon: the sun can show no direction to it and causes no outage.</source>
        <translation>Satelita jest pod horyzontem: słońce nie wskaże do niego kierunku i nie powoduje zakłóceń.</translation>
    </message>
    <message>
        <source>The dish faces %1 from true north, %2 up. Times in %3.</source>
        <translation>Antena patrzy na %1 od północy geograficznej, %2 w górę. Czas: %3.</translation>
    </message>
    <message>
        <source>Beamwidth %1, so the sun disturbs the dish within %2 of the satellite.</source>
        <translation>Szerokość wiązki %1: słońce zakłóca antenę w odległości do %2 od satelity.</translation>
    </message>
    <message>
        <source>The sun never reaches the satellite from this site.</source>
        <translation>Z tego miejsca słońce nigdy nie dochodzi do satelity.</translation>
    </message>
    <message>
        <source>No sun outage in the days asked for.</source>
        <translation>Brak zakłóceń słonecznych w wybranych dniach.</translation>
    </message>
    <message>
        <source>Sun outages in the days asked for: within each window the sun adds its own noise to the dish&apos;s, so the picture may break up for the window&apos;s minutes, every year, and nothing is wrong with the installation.</source>
        <translation>Zakłócenia słoneczne w wybranych dniach: w każdym oknie słońce dodaje własny szum do szumu anteny, więc obraz może się rwać przez te minuty, co roku, i z instalacją wszystko jest w porządku.</translation>
    </message>
    <message>
        <source>Enter an obstacle&apos;s height and distance to see whether it blocks the satellite.</source>
        <translation>Wpisz wysokość i odległość przeszkody, by sprawdzić, czy zasłania satelitę.</translation>
    </message>
    <message>
        <source>Its top stands %1 above the horizontal.</source>
        <translation>Jej szczyt jest %1 nad poziomem.</translation>
    </message>
    <message>
        <source>The satellite clears it by %1.</source>
        <translation>Satelita jest %1 ponad nią.</translation>
    </message>
    <message>
        <source>It blocks the satellite by %1.</source>
        <translation>Zasłania satelitę o %1.</translation>
    </message>
    <message>
        <source>To clear it by %1 it must stand at least %2 away.</source>
        <translation>Aby satelita był %1 ponad nią, musi stać co najmniej %2 dalej.</translation>
    </message>
    <message>
        <source>No distance clears it by %1: the satellite stands no higher.</source>
        <translation>Żadna odległość nie da %1 zapasu: satelita nie stoi wyżej.</translation>
    </message>
</context>
<context>
    <name>kestrion::ui::RangeBox</name>
    <message>
        <source>%1 is outside %2 to %3%4; %5 kept</source>
        <translation>%1 jest poza zakresem od %2 do %3%4; pozostaje %5</translation>
    </message>
</context>
</TS>
