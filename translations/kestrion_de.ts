<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AngleText</name>
    <message>
        <source>Nothing was typed.</source>
        <translation>Es wurde nichts eingegeben.</translation>
    </message>
    <message>
        <source>That is not an angle.</source>
        <translation>Das ist kein Winkel.</translation>
    </message>
    <message>
        <source>A minus or plus sign cannot be used with a hemisphere letter.</source>
        <translation>Ein Minus- oder Pluszeichen ist zusammen mit einem Himmelsrichtungsbuchstaben nicht erlaubt.</translation>
    </message>
    <message>
        <source>Only one hemisphere letter is allowed.</source>
        <translation>Nur ein Himmelsrichtungsbuchstabe ist erlaubt.</translation>
    </message>
    <message>
        <source>That hemisphere letter does not fit here.</source>
        <translation>Dieser Himmelsrichtungsbuchstabe passt hier nicht.</translation>
    </message>
    <message>
        <source>Only the last of degrees, minutes and seconds may have decimals.</source>
        <translation>Nur die letzte Angabe von Grad, Minuten und Sekunden darf Nachkommastellen haben.</translation>
    </message>
    <message>
        <source>Minutes must be below 60.</source>
        <translation>Die Minuten müssen unter 60 liegen.</translation>
    </message>
    <message>
        <source>Seconds must be below 60.</source>
        <translation>Die Sekunden müssen unter 60 liegen.</translation>
    </message>
    <message>
        <source>That is out of range.</source>
        <translation>Das liegt außerhalb des zulässigen Bereichs.</translation>
    </message>
    <message>
        <source>That is neither a position nor the name of a listed satellite.</source>
        <translation>Das ist weder eine Position noch der Name eines bekannten Satelliten.</translation>
    </message>
    <message>
        <source>Latitude: -90 to 90 degrees, N or S, e.g. 52.52, -33.9247, 33.9247S, 33°55&apos;29&quot;S, 33 55 29 S or 33°55.48&apos;S.</source>
        <translation>Breitengrad: -90 bis 90 Grad, N oder S, z. B. 52.52, -33.9247, 33.9247S, 33°55&apos;29&quot;S, 33 55 29 S oder 33°55.48&apos;S.</translation>
    </message>
    <message>
        <source>Longitude: -180 to 180 degrees, E or W, e.g. 13.405, -5, 5W, W5, 13°24&apos;18&quot;E or 13 24 18 E.</source>
        <translation>Längengrad: -180 bis 180 Grad, O oder W (auch E für Ost), z. B. 13.405, -5, 5W, W5, 13°24&apos;18&quot;O oder 13 24 18 O.</translation>
    </message>
    <message>
        <source>Satellite position: -180 to 180 degrees, E or W, e.g. 19.2E, 19,2, -5, 5W or 30°0&apos;W, or a satellite name such as Astra 19.2E.</source>
        <translation>Satellitenposition: -180 bis 180 Grad, O oder W (auch E für Ost), z. B. 19.2O, 19,2, -5, 5W oder 30°0&apos;W, oder ein Satellitenname wie Astra 19.2E.</translation>
    </message>
    <message>
        <source>That name does not single out one satellite; it fits %1.</source>
        <translation>Der Name bezeichnet nicht genau einen Satelliten; er passt auf %1.</translation>
    </message>
</context>
<context>
    <name>Browser</name>
    <message>
        <source> could not find a file association for </source>
        <translation> hat keine Dateizuordnung gefunden für </translation>
    </message>
    <message>
        <source> on your system. You should check that your browser</source>
        <translation> auf Ihrem System. Bitte prüfen Sie, ob Ihr Browser</translation>
    </message>
    <message>
        <source>is correctly installed and associated with this type of file.</source>
        <translation>richtig installiert und diesem Dateityp zugeordnet ist.</translation>
    </message>
    <message>
        <source> had a problem running your web browser.</source>
        <translation> konnte Ihren Webbrowser nicht starten.</translation>
    </message>
    <message>
        <source>You should check that your browser is correctly installed.</source>
        <translation>Bitte prüfen Sie, ob Ihr Browser richtig installiert ist.</translation>
    </message>
    <message>
        <source>(Error</source>
        <translation>(Fehler</translation>
    </message>
    <message>
        <source>)</source>
        <translation>)</translation>
    </message>
    <message>
        <source>Browser Unavailable</source>
        <translation>Browser nicht verfügbar</translation>
    </message>
</context>
<context>
    <name>Caption</name>
    <message>
        <source>LNB skew direction</source>
        <translation>Drehrichtung des LNB</translation>
    </message>
    <message>
        <source>LNB Noise Figure (dB)</source>
        <translation>LNB-Rauschzahl (dB)</translation>
    </message>
    <message>
        <source>Gain LNB (dB)</source>
        <translation>LNB-Verst. (dB)</translation>
    </message>
    <message>
        <source>Cable Loss (dB)</source>
        <translation>Kabeldämpf. (dB)</translation>
    </message>
    <message>
        <source>IF amplifier noise figure (dB)</source>
        <translation>ZF-Verstärker-Rauschmaß (dB)</translation>
    </message>
    <message>
        <source>Noise Figure (dB)</source>
        <translation>Rauschmaß (dB)</translation>
    </message>
    <message>
        <source>Noise Temperature (K)</source>
        <translation>Rauschtemperatur (K)</translation>
    </message>
    <message>
        <source>Feed Losses (dB)</source>
        <translation>Feedverlust (dB)</translation>
    </message>
    <message>
        <source>Dish Diameter (m)</source>
        <translation>Spiegel-Ø (m)</translation>
    </message>
    <message>
        <source>Efficiency (%)</source>
        <translation>Wirkungsgrad (%)</translation>
    </message>
    <message>
        <source>Frequency (GHz)</source>
        <translation>Frequenz (GHz)</translation>
    </message>
    <message>
        <source>Antenna noise temperature (K)</source>
        <translation>Antennen-Rauschtemp. (K)</translation>
    </message>
    <message>
        <source>Receiver Noise Figure (dB)</source>
        <translation>Receiver-Rauschmaß (dB)</translation>
    </message>
    <message>
        <source>IF Amplifier Gain (dB)</source>
        <translation>ZF-Verstärkung (dB)</translation>
    </message>
    <message>
        <source>System Noise Figure (dB)</source>
        <translation>System-Rauschmaß (dB)</translation>
    </message>
    <message>
        <source>Antenna Gain (dB)</source>
        <translation>Gain (dB)</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Länge</translation>
    </message>
    <message>
        <source>Satellite position</source>
        <translation>Sat-Position</translation>
    </message>
    <message>
        <source>Eirp (dBW)</source>
        <translation>EIRP (dBW)</translation>
    </message>
    <message>
        <source>Dish Diameter (cm)</source>
        <translation>Spiegel-Ø (cm)</translation>
    </message>
    <message>
        <source>Antenna Efficiency  (%)</source>
        <translation>Antennenwirkungsgrad (%)</translation>
    </message>
    <message>
        <source>Antenna Noise Temp. (K)</source>
        <translation>Antennen-Rauschtemp. (K)</translation>
    </message>
    <message>
        <source>System Noise Figure</source>
        <translation>System-Rauschmaß</translation>
    </message>
    <message>
        <source>Bandwidth (MHz)</source>
        <translation>Bandbreite (MHz)</translation>
    </message>
    <message>
        <source>G/T (dB/K)</source>
        <translation>G/T (dB/K)</translation>
    </message>
    <message>
        <source>Elevation angle (deg)</source>
        <translation>Elevation (°)</translation>
    </message>
    <message>
        <source>Azimuth angle (deg)</source>
        <translation>Azimut (°)</translation>
    </message>
    <message>
        <source>Polarization angle (deg)</source>
        <translation>Skew-Winkel (°)</translation>
    </message>
    <message>
        <source>Distance to satellite (km)</source>
        <translation>Satellitenentfernung (km)</translation>
    </message>
    <message>
        <source>Carrier to Noise (dB)</source>
        <translation>Träger/Rauschen (dB)</translation>
    </message>
    <message>
        <source>Elevation</source>
        <translation>Elevation</translation>
    </message>
    <message>
        <source>Clear sky</source>
        <translation>Trocken</translation>
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
        <translation>Rauschmaß in Rauschtemperatur</translation>
    </message>
    <message>
        <source>Antenna Gain Calculations</source>
        <translation>Antennengewinn</translation>
    </message>
    <message>
        <source>G/T Calculations</source>
        <translation>G/T-Berechnung</translation>
    </message>
    <message>
        <source>Antenna Alignment</source>
        <translation>Antennenausrichtung</translation>
    </message>
    <message>
        <source>C/N</source>
        <translation>C/N</translation>
    </message>
    <message>
        <source>(west = neg.  east = pos.)</source>
        <translation>(West = neg.  Ost = pos.)</translation>
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
        <translation>O</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>Magnetic bearing, declination</source>
        <translation>Magn. Azimut, Deklination</translation>
    </message>
    <message>
        <source>Magnetic bearing (deg)</source>
        <translation>Magnetischer Azimut (°)</translation>
    </message>
    <message>
        <source>Magnetic declination</source>
        <translation>Magnetische Deklination</translation>
    </message>
    <message>
        <source>Compass warnings</source>
        <translation>Kompasswarnungen</translation>
    </message>
    <message>
        <source>Dish offset angle (deg)</source>
        <translation>Offsetwinkel (°)</translation>
    </message>
    <message>
        <source>Face tilt</source>
        <translation>Neigung</translation>
    </message>
    <message>
        <source>Footprints on the web</source>
        <translation>Footprints im Web</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Visit:</source>
        <translation>Web:</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellit</translation>
    </message>
</context>
<context>
    <name>JobSheet</name>
    <message>
        <source>Azimuth</source>
        <translation>Azimut</translation>
    </message>
    <message>
        <source>Skew</source>
        <translation>Skew</translation>
    </message>
    <message>
        <source>Elevation</source>
        <translation>Elevation</translation>
    </message>
    <message>
        <source>Kestrion job sheet</source>
        <translation>Kestrion-Auftragsblatt</translation>
    </message>
    <message>
        <source>Date: %1</source>
        <translation>Datum: %1</translation>
    </message>
    <message>
        <source>Site: %1</source>
        <translation>Standort: %1</translation>
    </message>
    <message>
        <source>(not saved)</source>
        <translation>(nicht gespeichert)</translation>
    </message>
    <message>
        <source>True azimuth</source>
        <translation>Geogr. Azimut</translation>
    </message>
    <message>
        <source>Site and satellite</source>
        <translation>Standort und Satellit</translation>
    </message>
    <message>
        <source>Pointing</source>
        <translation>Ausrichtung</translation>
    </message>
    <message>
        <source>Link budget (C/N)</source>
        <translation>Streckenbilanz (C/N)</translation>
    </message>
    <message>
        <source>System noise figure chain</source>
        <translation>Rauschmaß der Empfangskette</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <source>Installer: ______________________    Customer: ______________________</source>
        <translation>Monteur: ______________________    Kunde: ______________________</translation>
    </message>
    <message>
        <source>Kestrion %1 — every figure as the window shows it</source>
        <translation>Kestrion %1 — alle Werte wie im Programmfenster</translation>
    </message>
    <message>
        <source>Cannot write the job sheet to %1: %2</source>
        <translation>Das Auftragsblatt kann nicht nach %1 geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Cannot draw the job sheet for %1</source>
        <translation>Das Auftragsblatt für %1 kann nicht erstellt werden</translation>
    </message>
    <message>
        <source>Cannot print the job sheet on %1</source>
        <translation>Das Auftragsblatt kann nicht auf %1 gedruckt werden</translation>
    </message>
    <message>
        <source>Rain fade (ITU-R P.618): the basis</source>
        <translation>Regendämpfung (ITU-R P.618): Berechnungsgrundlage</translation>
    </message>
    <message>
        <source>Rain availability</source>
        <translation>Verfügbarkeit bei Regen</translation>
    </message>
    <message>
        <source>Times in</source>
        <translation>Zeiten in</translation>
    </message>
    <message>
        <source>Shadow</source>
        <translation>Schatten</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Sonne</translation>
    </message>
    <message>
        <source>Sun outage</source>
        <translation>Sonnenstörung</translation>
    </message>
    <message>
        <source>%1, %2 to %3, closest at %4: %5 from the satellite</source>
        <translation>%1, %2 bis %3, am nächsten um %4: %5 vom Satelliten</translation>
    </message>
    <message>
        <source>Obstacle</source>
        <translation>Hindernis</translation>
    </message>
    <message>
        <source>Motor limit</source>
        <translation>Motorgrenze</translation>
    </message>
    <message>
        <source>Latitude scale</source>
        <translation>Breitenskala</translation>
    </message>
    <message>
        <source>Declination offset</source>
        <translation>Deklinationsversatz</translation>
    </message>
    <message>
        <source>Dish elevation on the mount</source>
        <translation>Elevation der Schüssel am Halter</translation>
    </message>
    <message>
        <source>Second LNB</source>
        <translation>Zweites LNB</translation>
    </message>
</context>
<context>
    <name>PageText</name>
    <message>
        <source>LNB skew direction</source>
        <translation>Drehrichtung des LNB</translation>
    </message>
    <message>
        <source>none: upright</source>
        <translation>keine: senkrecht</translation>
    </message>
    <message>
        <source>anticlockwise, from behind the dish</source>
        <translation>gegen Uhrzeigersinn, von hinten</translation>
    </message>
    <message>
        <source>clockwise, from behind the dish</source>
        <translation>im Uhrzeigersinn, von hinten</translation>
    </message>
    <message>
        <source>none: the LNB stays upright</source>
        <translation>keine: der LNB bleibt senkrecht</translation>
    </message>
    <message>
        <source>anticlockwise, seen from behind the dish looking at the satellite</source>
        <translation>gegen den Uhrzeigersinn, von hinten durch die Schüssel zum Satelliten gesehen</translation>
    </message>
    <message>
        <source>clockwise, seen from behind the dish looking at the satellite</source>
        <translation>im Uhrzeigersinn, von hinten durch die Schüssel zum Satelliten gesehen</translation>
    </message>
    <message>
        <source>Rain</source>
        <translation>Regen</translation>
    </message>
    <message>
        <source>Latitude (DMS)</source>
        <translation>Breite (GMS)</translation>
    </message>
    <message>
        <source>Longitude (DMS)</source>
        <translation>Länge (GMS)</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellit</translation>
    </message>
    <message>
        <source>Magnetic bearing</source>
        <translation>Magnetischer Azimut</translation>
    </message>
    <message>
        <source>Magnetic declination</source>
        <translation>Magn. Deklination</translation>
    </message>
    <message>
        <source>Declination model</source>
        <translation>Deklinationsmodell</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Dish offset angle</source>
        <translation>Offsetwinkel</translation>
    </message>
    <message>
        <source>Face tilt</source>
        <translation>Neigung</translation>
    </message>
    <message>
        <source>deg</source>
        <translation>°</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Hinweis</translation>
    </message>
</context>
<context>
    <name>RainFade</name>
    <message>
        <source>Frequency</source>
        <translation>Frequenz</translation>
    </message>
    <message>
        <source>The downlink frequency of the carrier</source>
        <translation>Die Downlink-Frequenz des Trägers</translation>
    </message>
    <message>
        <source>Tilt from the horizontal</source>
        <translation>Neigung gegen die Horizontale</translation>
    </message>
    <message>
        <source>The angle of a linear polarization from the horizontal, as seen at the dish</source>
        <translation>Der Winkel einer linearen Polarisation gegen die Horizontale, vom Spiegel aus gesehen</translation>
    </message>
    <message>
        <source>Rain rate R0.01</source>
        <translation>Regenintensität R0.01</translation>
    </message>
    <message>
        <source>The rain rate exceeded for 0.01 % of an average year at the site</source>
        <translation>Die Regenintensität, die am Standort in 0,01 % eines Durchschnittsjahres überschritten wird</translation>
    </message>
    <message>
        <source>Rain height</source>
        <translation>Regenhöhe</translation>
    </message>
    <message>
        <source>The top of the rain above sea level: 0.36 km above the 0 °C isotherm</source>
        <translation>Die Obergrenze des Regens über dem Meeresspiegel: 0,36 km über der 0-°C-Isotherme</translation>
    </message>
    <message>
        <source>Station height</source>
        <translation>Standorthöhe</translation>
    </message>
    <message>
        <source>The height of the dish above sea level</source>
        <translation>Die Höhe der Antenne über dem Meeresspiegel</translation>
    </message>
    <message>
        <source>Required C/N</source>
        <translation>Benötigtes C/N</translation>
    </message>
    <message>
        <source>The C/N the receiver needs for a clean picture</source>
        <translation>Das C/N, das der Receiver für ein einwandfreies Bild braucht</translation>
    </message>
    <message>
        <source>Target availability</source>
        <translation>Zielverfügbarkeit</translation>
    </message>
    <message>
        <source>The part of an average year the picture should stay</source>
        <translation>Der Anteil eines Durchschnittsjahres, in dem das Bild stehen soll</translation>
    </message>
    <message>
        <source>Polarization</source>
        <translation>Polarisation</translation>
    </message>
    <message>
        <source>Horizontal fades most; circular is counted as a tilt of 45°</source>
        <translation>Horizontal wird am stärksten gedämpft; zirkular zählt als Neigung von 45°</translation>
    </message>
    <message>
        <source>Rain zone (older ITU-R P.837-1 table)</source>
        <translation>Regenzone (alte Tabelle ITU-R P.837-1)</translation>
    </message>
    <message>
        <source>The climatic zone letter of the older table, for its R0.01</source>
        <translation>Der Buchstabe der Klimazone aus der alten Tabelle, für deren R0.01</translation>
    </message>
    <message>
        <source>ITU-R P.837 map of R0.01</source>
        <translation>Karte von R0.01 (ITU-R P.837)</translation>
    </message>
    <message>
        <source>The ITU&apos;s map file R001.TXT: R0.01 is read at the site</source>
        <translation>Die Kartendatei R001.TXT der ITU: R0.01 wird am Standort abgelesen</translation>
    </message>
    <message>
        <source>ITU-R P.839 map of the 0 °C isotherm</source>
        <translation>Karte der 0-°C-Isotherme (ITU-R P.839)</translation>
    </message>
    <message>
        <source>The ITU&apos;s map file h0.txt: the rain height is read at the site</source>
        <translation>Die Kartendatei h0.txt der ITU: die Regenhöhe wird am Standort abgelesen</translation>
    </message>
    <message>
        <source>DVB-S2 modulation and code rate</source>
        <translation>DVB-S2-Modulation und Coderate</translation>
    </message>
    <message>
        <source>Its ideal Es/N0 for quasi-error-free reception (ETSI EN 302 307-1)</source>
        <translation>Deren ideales Es/N0 für quasi-fehlerfreien Empfang (ETSI EN 302 307-1)</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Vertikal</translation>
    </message>
    <message>
        <source>Circular</source>
        <translation>Zirkular</translation>
    </message>
    <message>
        <source>Tilted</source>
        <translation>Geneigt</translation>
    </message>
    <message>
        <source>%1° from the horizontal</source>
        <translation>%1° gegen die Horizontale</translation>
    </message>
    <message>
        <source>R0.01 from</source>
        <translation>R0.01 aus</translation>
    </message>
    <message>
        <source>zone %1 of the older ITU-R P.837-1 table</source>
        <translation>Zone %1 der alten Tabelle ITU-R P.837-1</translation>
    </message>
    <message>
        <source>the ITU-R P.837 map %1</source>
        <translation>Karte %1 (ITU-R P.837)</translation>
    </message>
    <message>
        <source>Rain height from</source>
        <translation>Regenhöhe aus</translation>
    </message>
    <message>
        <source>the ITU-R P.839 map %1</source>
        <translation>Karte %1 (ITU-R P.839)</translation>
    </message>
    <message>
        <source>Elevation and latitude</source>
        <translation>Elevation und Breite</translation>
    </message>
    <message>
        <source>Rain availability</source>
        <translation>Verfügbarkeit bei Regen</translation>
    </message>
    <message>
        <source>still needs: %1</source>
        <translation>es fehlt noch: %1</translation>
    </message>
    <message>
        <source>none: the satellite is below the horizon</source>
        <translation>keine: der Satellit steht unter dem Horizont</translation>
    </message>
    <message>
        <source>not worked out: a floating-point fault</source>
        <translation>nicht berechnet: Gleitkommafehler</translation>
    </message>
    <message>
        <source>Clear-sky margin</source>
        <translation>Reserve ohne Regen</translation>
    </message>
    <message>
        <source>Rain fade at %1 %</source>
        <translation>Regendämpfung bei %1 %</translation>
    </message>
    <message>
        <source>C/N drop at %1 %</source>
        <translation>C/N-Einbruch bei %1 %</translation>
    </message>
    <message>
        <source>Availability with this dish</source>
        <translation>Verfügbarkeit mit diesem Spiegel</translation>
    </message>
    <message>
        <source>over %1</source>
        <translation>über %1</translation>
    </message>
    <message>
        <source>under %1</source>
        <translation>unter %1</translation>
    </message>
    <message>
        <source>Dish for %1 %</source>
        <translation>Spiegel für %1 %</translation>
    </message>
    <message>
        <source>none up to %1</source>
        <translation>keiner bis %1</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>The station height (%1 km) is at or above the rain height (%2 km): the path meets no rain, so every fade shows 0 dB. Check both heights (in km above sea level).</source>
        <translation>Die Standorthöhe (%1 km) erreicht oder übersteigt die Regenhöhe (%2 km): Auf dem Signalweg liegt kein Regen, daher zeigt jede Regendämpfung 0 dB. Prüfen Sie beide Höhen (in km über dem Meeresspiegel).</translation>
    </message>
    <message>
        <source>I type the rate</source>
        <translation>Ich gebe die Rate ein</translation>
    </message>
    <message>
        <source>I type the C/N</source>
        <translation>Ich gebe das C/N ein</translation>
    </message>
    <message>
        <source>It starts from the C/N page: EIRP %1 dBW, dish %2 cm, clear-sky C/N %3 dB.</source>
        <translation>Ausgangswerte von der C/N-Seite: EIRP %1 dBW, Schüssel %2 cm, C/N bei klarem Himmel %3 dB.</translation>
    </message>
    <message>
        <source>The values filled in are an example (zone K, 3 km, 12 GHz, 8PSK 2/3), not this site&apos;s: enter the site&apos;s own.</source>
        <translation>Die eingetragenen Werte sind ein Beispiel (Zone K, 3 km, 12 GHz, 8PSK 2/3), nicht die dieses Standorts: Geben Sie die eigenen ein.</translation>
    </message>
    <message>
        <source>Rain fade: the loss of signal in the rain.</source>
        <translation>Regendämpfung: der Signalverlust im Regen.</translation>
    </message>
    <message>
        <source>C/N drop: the rain fade plus the sky noise the rain adds.</source>
        <translation>C/N-Einbruch: die Regendämpfung plus das Himmelsrauschen, das der Regen hinzufügt.</translation>
    </message>
    <message>
        <source>%1 dB: fails even in clear sky</source>
        <translation>%1 dB: fällt schon bei klarem Himmel aus</translation>
    </message>
    <message>
        <source>Horizontal, turned by the skew: %1°</source>
        <translation>Horizontal, um die LNB-Drehung gedreht: %1°</translation>
    </message>
    <message>
        <source>Vertical, turned by the skew: %1°</source>
        <translation>Vertikal, um die LNB-Drehung gedreht: %1°</translation>
    </message>
</context>
<context>
    <name>SiteStore</name>
    <message>
        <source>it has no name</source>
        <translation>kein Name angegeben</translation>
    </message>
    <message>
        <source>latitude</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>longitude</source>
        <translation>Länge</translation>
    </message>
    <message>
        <source>satellite position</source>
        <translation>Sat-Position</translation>
    </message>
    <message>
        <source>its %1 &quot;%2&quot; is refused: %3</source>
        <translation>%1 „%2“ abgelehnt: %3</translation>
    </message>
    <message>
        <source>Some lines of %1 cannot be read and are left out.</source>
        <translation>Einige Zeilen von %1 sind nicht lesbar und werden ausgelassen.</translation>
    </message>
    <message>
        <source>The saved sites in %1 cannot be read.</source>
        <translation>Die gespeicherten Standorte in %1 sind nicht lesbar.</translation>
    </message>
    <message>
        <source>its offset angle &quot;%1&quot; is not 0 to 45 degrees with at most one decimal</source>
        <translation>Offsetwinkel „%1“ liegt nicht zwischen 0 und 45 Grad mit höchstens einer Nachkommastelle</translation>
    </message>
    <message>
        <source>its last use is not a number</source>
        <translation>letzte Verwendung ist keine Zahl</translation>
    </message>
    <message>
        <source>Saved site &quot;%1&quot; (entry %2) skipped: %3.</source>
        <translation>Gespeicherter Standort „%1“ (Eintrag %2) übersprungen: %3.</translation>
    </message>
    <message>
        <source>Cannot create the folder %1.</source>
        <translation>Der Ordner %1 kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>The saved sites are busy in another window; try again.</source>
        <translation>Die gespeicherten Standorte werden gerade in einem anderen Fenster bearbeitet; bitte erneut versuchen.</translation>
    </message>
    <message>
        <source>The saved sites in %1 cannot be read, so they are left as they are.</source>
        <translation>Die gespeicherten Standorte in %1 sind nicht lesbar und bleiben daher unverändert.</translation>
    </message>
    <message>
        <source>Cannot write the saved sites to %1.</source>
        <translation>Die Standorte können nicht in %1 gespeichert werden.</translation>
    </message>
    <message>
        <source>Cannot write the saved sites to %1: %2</source>
        <translation>Die Standorte können nicht in %1 gespeichert werden: %2</translation>
    </message>
    <message>
        <source>There is no saved site &quot;%1&quot;.</source>
        <translation>Es gibt keinen gespeicherten Standort „%1“.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is empty or the name of another saved site.</source>
        <translation>„%1“ ist leer oder der Name eines anderen gespeicherten Standorts.</translation>
    </message>
</context>
<context>
    <name>Tooltip</name>
    <message>
        <source>Which way to turn the LNB, seen from behind the dish looking at the satellite</source>
        <translation>In welche Richtung der LNB gedreht wird, von hinten durch die Schüssel zum Satelliten gesehen</translation>
    </message>
    <message>
        <source>When not using an IF amplifier, apply 0 dB</source>
        <translation>Ohne ZF-Verstärker 0 dB einstellen</translation>
    </message>
    <message>
        <source>The noise can be described in Noise Figure or Noise Temperature</source>
        <translation>Das Rauschen lässt sich als Rauschmaß oder als Rauschtemperatur angeben</translation>
    </message>
    <message>
        <source>Rain attenuation is affected by the elevation of the antenna</source>
        <translation>Die Regendämpfung hängt von der Elevation der Antenne ab</translation>
    </message>
    <message>
        <source>Normally between  0 - 50 K. See specification of your dish.</source>
        <translation>Normalerweise zwischen 0 und 50 K. Siehe Datenblatt Ihres Spiegels.</translation>
    </message>
    <message>
        <source>Normally between 0 - 0.5 dB</source>
        <translation>Normalerweise zwischen 0 und 0,5 dB</translation>
    </message>
    <message>
        <source>Normally between 0.7 to 1.2 dB</source>
        <translation>Normalerweise zwischen 0,7 und 1,2 dB</translation>
    </message>
    <message>
        <source>Normally between 40 and 60 dB. To avoid intermodulation products, use as low gain as possible without raising the system NF.</source>
        <translation>Normalerweise zwischen 40 und 60 dB. Um Intermodulationsprodukte zu vermeiden, die Verstärkung so gering wie möglich wählen, ohne das System-Rauschmaß zu erhöhen.</translation>
    </message>
    <message>
        <source>Cable Loss between the LNB and IF amplifier</source>
        <translation>Kabeldämpfung zwischen LNB und ZF-Verstärker</translation>
    </message>
    <message>
        <source>The result</source>
        <translation>Das Ergebnis</translation>
    </message>
    <message>
        <source>See specifications of your receiver</source>
        <translation>Siehe Datenblatt Ihres Receivers</translation>
    </message>
    <message>
        <source>Apply minor diameter when using an offset dish</source>
        <translation>Bei Offsetspiegeln den kleineren Durchmesser verwenden</translation>
    </message>
    <message>
        <source>Normally 40 to 70 %</source>
        <translation>Normalerweise 40 bis 70 %</translation>
    </message>
    <message>
        <source>The gain of the antenna depends of frequency</source>
        <translation>Der Antennengewinn hängt von der Frequenz ab</translation>
    </message>
    <message>
        <source>If you know the gain but not the efficiency, vary the efficiency until you get the correct gain</source>
        <translation>Wenn Sie den Gewinn kennen, aber nicht den Wirkungsgrad, verändern Sie den Wirkungsgrad, bis der Gewinn stimmt</translation>
    </message>
    <message>
        <source>Can be calculated in the System Noise Figure section</source>
        <translation>Lässt sich im Abschnitt System-Rauschmaß berechnen</translation>
    </message>
    <message>
        <source>The gain can be calculated from antenna size and efficiency in the Antenna Gain Calculations section</source>
        <translation>Der Gewinn lässt sich im Abschnitt Antennengewinn aus Antennengröße und Wirkungsgrad berechnen</translation>
    </message>
    <message>
        <source>G/T is a measure of the performance of your system</source>
        <translation>G/T ist ein Maß für die Leistungsfähigkeit Ihrer Anlage</translation>
    </message>
    <message>
        <source>Latitude of dish  location</source>
        <translation>Geografische Breite des Antennenstandorts</translation>
    </message>
    <message>
        <source>Longitude of dish location</source>
        <translation>Geografische Länge des Antennenstandorts</translation>
    </message>
    <message>
        <source>Satellite position</source>
        <translation>Satellitenposition</translation>
    </message>
    <message>
        <source>How to align the dish by the compass</source>
        <translation>So wird der Spiegel nach dem Kompass ausgerichtet</translation>
    </message>
    <message>
        <source>Note that Astra satellites differ from standard polarisation</source>
        <translation>Achtung: Astra-Satelliten weichen von der Standardpolarisation ab</translation>
    </message>
    <message>
        <source>Angle of inclination</source>
        <translation>Erhebungswinkel über dem Horizont</translation>
    </message>
    <message>
        <source>Needed for C/N calculations</source>
        <translation>Wird für die C/N-Berechnung benötigt</translation>
    </message>
    <message>
        <source>Set this on a magnetic compass: the azimuth less the magnetic declination</source>
        <translation>Diesen Wert am Magnetkompass einstellen: Azimut minus magnetische Deklination</translation>
    </message>
    <message>
        <source>Magnetic declination at the site on the date (World Magnetic Model 2025)</source>
        <translation>Magnetische Deklination am Standort zum Datum (World Magnetic Model 2025)</translation>
    </message>
    <message>
        <source>0 for a prime-focus dish; offset dishes are typically 20 to 28 degrees</source>
        <translation>0 bei einem Primärfokusspiegel; Offsetspiegel haben meist 20 bis 28 Grad</translation>
    </message>
    <message>
        <source>Tilt of the dish face from vertical: the elevation less the offset angle</source>
        <translation>Neigung der Spiegelfläche gegen die Senkrechte: Elevation minus Offsetwinkel</translation>
    </message>
    <message>
        <source>Equivalent Isotropic Radiated Power</source>
        <translation>Äquivalente isotrope Strahlungsleistung</translation>
    </message>
    <message>
        <source>Get the Eirp from the footprint of the satellite</source>
        <translation>Die EIRP aus der Footprint-Karte des Satelliten ablesen</translation>
    </message>
    <message>
        <source>Use the minor diameter for an offset dish</source>
        <translation>Bei einem Offsetspiegel den kleineren Durchmesser verwenden</translation>
    </message>
    <message>
        <source>If you only know the gain, you can calculate the efficiency in the Antenna Gain Calculations</source>
        <translation>Wenn Sie nur den Gewinn kennen, lässt sich der Wirkungsgrad im Abschnitt Antennengewinn berechnen</translation>
    </message>
    <message>
        <source>See specifications of your antenna. Normally between 0 to 50 K.</source>
        <translation>Siehe Datenblatt Ihrer Antenne. Normalerweise zwischen 0 und 50 K.</translation>
    </message>
    <message>
        <source> Use System Noise Figure calculations and manually apply correct value.</source>
        <translation> Im Abschnitt System-Rauschmaß berechnen und den Wert von Hand einstellen.</translation>
    </message>
    <message>
        <source>Bandwidth of the receiver</source>
        <translation>Bandbreite des Receivers</translation>
    </message>
    <message>
        <source>Imported from Antenna Alignment Calculations</source>
        <translation>Übernommen aus der Antennenausrichtung</translation>
    </message>
    <message>
        <source>The rain attenuation is usable in the 10 to 13 GHz band only</source>
        <translation>Die Regendämpfung gilt nur im Band von 10 bis 13 GHz</translation>
    </message>
    <message>
        <source>The answer</source>
        <translation>Das Ergebnis</translation>
    </message>
    <message>
        <source>The elevation is imported from Antenna alignment calculations</source>
        <translation>Die Elevation wird aus der Antennenausrichtung übernommen</translation>
    </message>
    <message>
        <source>The satellite chosen by name</source>
        <translation>Der nach Namen gewählte Satellit</translation>
    </message>
</context>
<context>
    <name>Web</name>
    <message>
        <source>The calculator could not be started: %1</source>
        <translation>Der Rechner konnte nicht gestartet werden: %1</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>The page&apos;s figures are on the clipboard.</source>
        <translation>Die Werte dieser Seite sind in der Zwischenablage.</translation>
    </message>
    <message>
        <source>The browser did not allow copying: %1</source>
        <translation>Der Browser hat das Kopieren nicht erlaubt: %1</translation>
    </message>
    <message>
        <source>Job sheet</source>
        <translation>Auftragsblatt</translation>
    </message>
    <message>
        <source>Print or save as PDF</source>
        <translation>Drucken oder als PDF speichern</translation>
    </message>
    <message>
        <source>Back to the calculator</source>
        <translation>Zurück zum Rechner</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Close this message</source>
        <translation>Meldung schließen</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Saved site &quot;%1&quot;.</source>
        <translation>Standort „%1“ gespeichert.</translation>
    </message>
    <message>
        <source>Site &quot;%1&quot; entered.</source>
        <translation>Standort „%1“ übernommen.</translation>
    </message>
    <message>
        <source>The browser did not keep the site: %1</source>
        <translation>Der Browser hat den Standort nicht gespeichert: %1</translation>
    </message>
    <message>
        <source>Type a value</source>
        <translation>Wert eingeben</translation>
    </message>
    <message>
        <source>Hint: %1</source>
        <translation>Hinweis: %1</translation>
    </message>
    <message>
        <source>%1 is not taken: %2 to %3 %4, in steps of %5.</source>
        <translation>%1 wird nicht übernommen: %2 bis %3 %4, in Schritten von %5.</translation>
    </message>
    <message>
        <source>Not taken, the value shown still holds: %1</source>
        <translation>Nicht übernommen, der angezeigte Wert gilt weiter: %1</translation>
    </message>
    <message>
        <source>%1 is not on this device yet: its texts need the network once.</source>
        <translation>%1 ist noch nicht auf diesem Gerät: Seine Texte brauchen einmal das Netz.</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Satelliten</translation>
    </message>
    <message>
        <source>The address&apos;s %1 was not used: %2</source>
        <translation>%1 in der Adresse wurde nicht verwendet: %2</translation>
    </message>
    <message>
        <source>The calculation stopped: %1</source>
        <translation>Die Berechnung wurde abgebrochen: %1</translation>
    </message>
    <message>
        <source>A new version of Kestrion is ready.</source>
        <translation>Eine neue Version von Kestrion ist bereit.</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Neu laden</translation>
    </message>
    <message>
        <source>Phone aids</source>
        <translation>Handy-Hilfen</translation>
    </message>
    <message>
        <source>Use my position</source>
        <translation>Meinen Standort übernehmen</translation>
    </message>
    <message>
        <source>Asking for the position…</source>
        <translation>Standort wird abgefragt…</translation>
    </message>
    <message>
        <source>Position entered, accurate to ±%1 m.</source>
        <translation>Standort übernommen, Genauigkeit ±%1 m.</translation>
    </message>
    <message>
        <source>The browser was not allowed to give the position: nothing was changed.</source>
        <translation>Der Browser durfte den Standort nicht weitergeben: Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>The phone found no position fix: nothing was changed. Try again in the open.</source>
        <translation>Das Handy hat keinen Standort ermittelt: Es wurde nichts geändert. Versuchen Sie es im Freien noch einmal.</translation>
    </message>
    <message>
        <source>No position fix within %1 seconds: nothing was changed. Try again in the open.</source>
        <translation>Kein Standort innerhalb von %1 Sekunden: Es wurde nichts geändert. Versuchen Sie es im Freien noch einmal.</translation>
    </message>
    <message>
        <source>This browser cannot give a position: nothing was changed.</source>
        <translation>Dieser Browser kann keinen Standort liefern: Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>Compass</source>
        <translation>Kompass</translation>
    </message>
    <message>
        <source>Allow the compass</source>
        <translation>Kompass erlauben</translation>
    </message>
    <message>
        <source>Allow the motion sensors</source>
        <translation>Bewegungssensoren erlauben</translation>
    </message>
    <message>
        <source>The compass was not allowed. Allow motion and orientation for this site in the browser&apos;s settings.</source>
        <translation>Der Kompass wurde nicht erlaubt. Erlauben Sie Bewegung und Ausrichtung für diese Seite in den Einstellungen des Browsers.</translation>
    </message>
    <message>
        <source>No compass reading: this phone or browser gives none, or it was not allowed.</source>
        <translation>Kein Kompasswert: Dieses Handy oder dieser Browser liefert keinen, oder er wurde nicht erlaubt.</translation>
    </message>
    <message>
        <source>Phone heading: %1° magnetic</source>
        <translation>Richtung des Handys: %1° magnetisch</translation>
    </message>
    <message>
        <source>Phone heading: %1° true (geographic north)</source>
        <translation>Richtung des Handys: %1° rechtweisend (geografisch Nord)</translation>
    </message>
    <message>
        <source>Magnetic bearing to face: %1°</source>
        <translation>Magnetischer Azimut als Ziel: %1°</translation>
    </message>
    <message>
        <source>True azimuth to face: %1°</source>
        <translation>Rechtweisender Azimut als Ziel: %1°</translation>
    </message>
    <message>
        <source>The page gives no magnetic bearing here (see its warnings), so there is nothing to turn to.</source>
        <translation>Die Seite gibt hier keinen magnetischen Azimut an (siehe ihre Warnungen): Es gibt kein Ziel zum Drehen.</translation>
    </message>
    <message>
        <source>The satellite is below the horizon: there is nothing to turn to.</source>
        <translation>Der Satellit steht unter dem Horizont: Es gibt kein Ziel zum Drehen.</translation>
    </message>
    <message>
        <source>Turn %1° right</source>
        <translation>%1° nach rechts drehen</translation>
    </message>
    <message>
        <source>Turn %1° left</source>
        <translation>%1° nach links drehen</translation>
    </message>
    <message>
        <source>Facing the bearing</source>
        <translation>Richtung stimmt</translation>
    </message>
    <message>
        <source>Hold the phone flat, or upright with the camera ahead.</source>
        <translation>Halten Sie das Handy waagerecht oder aufrecht mit der Kamera nach vorn.</translation>
    </message>
    <message>
        <source>Accuracy the phone reports: ±%1°</source>
        <translation>Vom Handy gemeldete Genauigkeit: ±%1°</translation>
    </message>
    <message>
        <source>The phone reports its compass as uncalibrated.</source>
        <translation>Das Handy meldet seinen Kompass als nicht kalibriert.</translation>
    </message>
    <message>
        <source>The phone reports no accuracy: if the heading drifts or jumps, calibrate it with a figure eight.</source>
        <translation>Das Handy meldet keine Genauigkeit: Wenn die Richtung wandert oder springt, kalibrieren Sie den Kompass mit einer Acht.</translation>
    </message>
    <message>
        <source>The compass is inaccurate: move the phone a few times in a figure eight to calibrate it.</source>
        <translation>Der Kompass ist ungenau: Bewegen Sie das Handy einige Male in Form einer Acht, um ihn zu kalibrieren.</translation>
    </message>
    <message>
        <source>Hold the phone flat, a few steps away from the dish, the mast and other metal: they pull the compass off.</source>
        <translation>Halten Sie das Handy waagerecht und ein paar Schritte entfernt von Schüssel, Mast und anderem Metall, denn Metall lenkt den Kompass ab.</translation>
    </message>
    <message>
        <source>Inclinometer</source>
        <translation>Neigungsmesser</translation>
    </message>
    <message>
        <source>The motion sensors were not allowed. Allow motion and orientation for this site in the browser&apos;s settings.</source>
        <translation>Die Bewegungssensoren wurden nicht erlaubt. Erlauben Sie Bewegung und Ausrichtung für diese Seite in den Einstellungen des Browsers.</translation>
    </message>
    <message>
        <source>No tilt reading: this phone or browser gives none, or it was not allowed.</source>
        <translation>Kein Neigungswert: Dieses Handy oder dieser Browser liefert keinen, oder er wurde nicht erlaubt.</translation>
    </message>
    <message>
        <source>Hold the back of the phone flat against the back of the dish, the screen towards you, upright or sideways.</source>
        <translation>Legen Sie das Handy mit der Rückseite flach an die Rückseite der Schüssel, den Bildschirm zu Ihnen, hochkant oder quer.</translation>
    </message>
    <message>
        <source>Measured elevation: %1°</source>
        <translation>Gemessene Elevation: %1°</translation>
    </message>
    <message>
        <source>Target elevation: %1°</source>
        <translation>Soll-Elevation: %1°</translation>
    </message>
    <message>
        <source>No target: the satellite is below the horizon.</source>
        <translation>Kein Sollwert: Der Satellit steht unter dem Horizont.</translation>
    </message>
    <message>
        <source>Measured face tilt: %1</source>
        <translation>Gemessene Neigung: %1</translation>
    </message>
    <message>
        <source>Target face tilt: %1</source>
        <translation>Soll-Neigung: %1</translation>
    </message>
    <message>
        <source>Raise %1°</source>
        <translation>%1° anheben</translation>
    </message>
    <message>
        <source>Lower %1°</source>
        <translation>%1° absenken</translation>
    </message>
    <message>
        <source>On target</source>
        <translation>Stimmt</translation>
    </message>
    <message>
        <source>To take off the phone&apos;s own error, lay it on its back on a surface you know is level and tap Zero.</source>
        <translation>Um den Eigenfehler des Handys abzuziehen, legen Sie es mit der Rückseite auf eine sicher waagerechte Fläche und tippen auf Nullen.</translation>
    </message>
    <message>
        <source>Zero</source>
        <translation>Nullen</translation>
    </message>
    <message>
        <source>Clear the zero</source>
        <translation>Nullpunkt löschen</translation>
    </message>
    <message>
        <source>Zeroed: the phone&apos;s own error of %1° is taken off.</source>
        <translation>Genullt: Der Eigenfehler des Handys von %1° wird abgezogen.</translation>
    </message>
    <message>
        <source>Not zeroed: the phone&apos;s reading is used as it is.</source>
        <translation>Nicht genullt: Der Messwert des Handys wird unverändert verwendet.</translation>
    </message>
    <message>
        <source>The phone lies %1° off level: lay it on a level surface and try again.</source>
        <translation>Das Handy liegt %1° schief: Legen Sie es auf eine waagerechte Fläche und versuchen Sie es noch einmal.</translation>
    </message>
    <message>
        <source>Sky view</source>
        <translation>Himmelsansicht</translation>
    </message>
    <message>
        <source>Show the arc over the camera picture</source>
        <translation>Bogen im Kamerabild zeigen</translation>
    </message>
    <message>
        <source>Stop the camera</source>
        <translation>Kamera beenden</translation>
    </message>
    <message>
        <source>The camera was not allowed: the sky diagram shows the arc instead.</source>
        <translation>Die Kamera wurde nicht erlaubt: Das Himmelsdiagramm zeigt den Bogen stattdessen.</translation>
    </message>
    <message>
        <source>No camera could be opened (%1): the sky diagram shows the arc instead.</source>
        <translation>Keine Kamera ließ sich öffnen (%1): Das Himmelsdiagramm zeigt den Bogen stattdessen.</translation>
    </message>
    <message>
        <source>%1: elevation %2°, azimuth %3°</source>
        <translation>%1: Elevation %2°, Azimut %3°</translation>
    </message>
    <message>
        <source>The chosen satellite is below the horizon.</source>
        <translation>Der gewählte Satellit steht unter dem Horizont.</translation>
    </message>
    <message>
        <source>Above the horizon: satellite positions %1</source>
        <translation>Über dem Horizont: Satellitenpositionen %1</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>No part of the arc is above the horizon here.</source>
        <translation>Hier liegt kein Teil des Bogens über dem Horizont.</translation>
    </message>
    <message>
        <source>The arc&apos;s positions</source>
        <translation>Positionen auf dem Bogen</translation>
    </message>
    <message>
        <source>The chosen satellite is %1 and %2 of the cross.</source>
        <translation>Vom Kreuz aus liegt der gewählte Satellit %1 und %2.</translation>
    </message>
    <message>
        <source>%1° right</source>
        <translation>%1° rechts</translation>
    </message>
    <message>
        <source>%1° left</source>
        <translation>%1° links</translation>
    </message>
    <message>
        <source>%1° up</source>
        <translation>%1° höher</translation>
    </message>
    <message>
        <source>%1° down</source>
        <translation>%1° tiefer</translation>
    </message>
    <message>
        <source>Calibrate the view</source>
        <translation>Bildwinkel kalibrieren</translation>
    </message>
    <message>
        <source>The cross is on the object</source>
        <translation>Kreuz liegt auf dem Objekt</translation>
    </message>
    <message>
        <source>The object is in the ring</source>
        <translation>Objekt liegt im Ring</translation>
    </message>
    <message>
        <source>Put the cross on a distant object (a chimney, a mast), then tap the button.</source>
        <translation>Richten Sie das Kreuz auf ein entferntes Objekt (Schornstein, Mast) und tippen Sie dann auf die Schaltfläche.</translation>
    </message>
    <message>
        <source>Turn the phone until the same object sits in the ring, then tap the button.</source>
        <translation>Drehen Sie das Handy, bis dasselbe Objekt im Ring liegt, und tippen Sie dann auf die Schaltfläche.</translation>
    </message>
    <message>
        <source>Calibrated: the picture spans %1° across.</source>
        <translation>Kalibriert: Das Bild ist %1° breit.</translation>
    </message>
    <message>
        <source>That gives %1° across the picture, which no phone camera has: nothing was changed. Try again with a more distant object.</source>
        <translation>Das ergäbe %1° Bildbreite, die keine Handykamera hat: Es wurde nichts geändert. Versuchen Sie es mit einem entfernteren Objekt.</translation>
    </message>
    <message>
        <source>Margin above the obstacle (degrees)</source>
        <translation>Abstand über dem Hindernis (Grad)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not taken. %2</source>
        <translation>„%1“ wird nicht übernommen. %2</translation>
    </message>
    <message>
        <source>Enter a date from %1 to %2.</source>
        <translation>Geben Sie ein Datum vom %1 bis %2 ein.</translation>
    </message>
    <message>
        <source>The sun and the shadow</source>
        <translation>Sonne und Schatten</translation>
    </message>
    <message>
        <source>Sun outages</source>
        <translation>Sonnenstörungen</translation>
    </message>
    <message>
        <source>What blocks the view</source>
        <translation>Was die Sicht verdeckt</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Sonne</translation>
    </message>
    <message>
        <source>Calibrate on the sun</source>
        <translation>An der Sonne kalibrieren</translation>
    </message>
    <message>
        <source>Never look at the sun through the camera&apos;s eyepiece, nor with the naked eye for long: look at the sun on the screen only.</source>
        <translation>Nie durch den Sucher einer Kamera in die Sonne schauen und auch mit bloßem Auge nicht lange: die Sonne nur auf dem Bildschirm ansehen.</translation>
    </message>
    <message>
        <source>Hold the phone upright with the camera towards the sun, turn it until the sun on the screen sits inside the marked circle, then tap the button.</source>
        <translation>Das Telefon aufrecht halten, die Kamera zur Sonne, und drehen, bis die Sonne auf dem Bildschirm im markierten Kreis steht; dann die Taste antippen.</translation>
    </message>
    <message>
        <source>The sun is in the circle</source>
        <translation>Die Sonne ist im Kreis</translation>
    </message>
    <message>
        <source>The sun is below the horizon now: calibrate on it by day.</source>
        <translation>Die Sonne steht jetzt unter dem Horizont: bei Tag an ihr kalibrieren.</translation>
    </message>
    <message>
        <source>true north, from the sun, just now</source>
        <translation>geografisch Nord, von der Sonne, gerade eben</translation>
    </message>
    <message>
        <source>true north, from the sun, 1 minute ago</source>
        <translation>geografisch Nord, von der Sonne, vor 1 Minute</translation>
    </message>
    <message>
        <source>true north, from the sun, %1 minutes ago</source>
        <translation>geografisch Nord, von der Sonne, vor %1 Minuten</translation>
    </message>
    <message>
        <source>The correction from the sun was dropped after 15 minutes: calibrate on the sun again.</source>
        <translation>Die Korrektur aus der Sonne wurde nach 15 Minuten verworfen: erneut an der Sonne kalibrieren.</translation>
    </message>
    <message>
        <source>The correction from the sun was dropped: the phone reported a jump in the compass&apos;s accuracy. Calibrate on the sun again.</source>
        <translation>Die Korrektur aus der Sonne wurde verworfen: das Telefon meldete einen Sprung in der Genauigkeit des Kompasses. Erneut an der Sonne kalibrieren.</translation>
    </message>
    <message>
        <source>Loading the section…</source>
        <translation>Der Abschnitt wird geladen…</translation>
    </message>
    <message>
        <source>The section could not be loaded: %1</source>
        <translation>Der Abschnitt konnte nicht geladen werden: %1</translation>
    </message>
    <message>
        <source>Tap a satellite to point the alignment page at it.</source>
        <translation>Tippen Sie auf einen Satelliten, um die Ausrichtungsseite auf ihn einzustellen.</translation>
    </message>
    <message>
        <source>Sight the top of the obstacle</source>
        <translation>Die Oberkante des Hindernisses anpeilen</translation>
    </message>
    <message>
        <source>To check a tree or a wall: stand at the dish, lay the phone&apos;s long edge along the line to the obstacle&apos;s top, in the satellite&apos;s direction, and read how far the satellite clears it.</source>
        <translation>Um einen Baum oder eine Mauer zu prüfen: an der Schüssel stehen, die lange Kante des Handys auf die Linie zur Oberkante des Hindernisses in Richtung des Satelliten legen und ablesen, wie weit der Satellit darüber frei ist.</translation>
    </message>
    <message>
        <source>The obstacle&apos;s top: %1° above the horizontal</source>
        <translation>Oberkante des Hindernisses: %1° über der Waagerechten</translation>
    </message>
    <message>
        <source>clear by %1°</source>
        <translation>frei um %1°</translation>
    </message>
    <message>
        <source>blocked by %1°</source>
        <translation>verdeckt um %1°</translation>
    </message>
    <message>
        <source>%1: %2 is outside %3 to %4 %5.</source>
        <translation>%1: %2 liegt außerhalb von %3 bis %4 %5.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a number; allowed: %3 to %4 %5.</source>
        <translation>%1: „%2“ ist keine Zahl; erlaubt: %3 bis %4 %5.</translation>
    </message>
    <message>
        <source>%1 is not a page; the pages are %2.</source>
        <translation>%1 ist keine Seite; die Seiten sind %2.</translation>
    </message>
    <message>
        <source>Kestrion %1 — every figure as the web app shows it</source>
        <translation>Kestrion %1 — alle Werte wie in der Web-App</translation>
    </message>
</context>
<context>
    <name>kestrion::desktop::AboutWindow</name>
    <message>
        <source>Kestrion is free: you may copy it and pass it on to anyone you like. The latest version can always be downloaded from :</source>
        <translation>Kestrion ist frei: Sie dürfen es kopieren und an jeden weitergeben. Die neueste Version gibt es immer unter:</translation>
    </message>
    <message>
        <source>About Kestrion</source>
        <translation>Über Kestrion</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>kestrion::ui::AngleEditor</name>
    <message>
        <source>Type the latitude</source>
        <translation>Breitengrad eingeben</translation>
    </message>
    <message>
        <source>Type the longitude</source>
        <translation>Längengrad eingeben</translation>
    </message>
    <message>
        <source>Type the satellite position or name</source>
        <translation>Satellitenposition oder -namen eingeben</translation>
    </message>
</context>
<context>
    <name>kestrion::ui::JobMenus</name>
    <message>
        <source>&amp;Sites</source>
        <translation>&amp;Standorte</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Save site…</source>
        <translation>Standort &amp;speichern…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Drucken…</translation>
    </message>
    <message>
        <source>&amp;Export PDF…</source>
        <translation>Als PDF &amp;exportieren…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>No saved sites</source>
        <translation>Keine gespeicherten Standorte</translation>
    </message>
    <message>
        <source>&amp;Rename site…</source>
        <translation>Standort &amp;umbenennen…</translation>
    </message>
    <message>
        <source>&amp;Delete site…</source>
        <translation>Standort &amp;löschen…</translation>
    </message>
    <message numerus="yes">
        <source>%n saved site(s) could not be read…</source>
        <translation>
            <numerusform>%n gespeicherter Standort ist nicht lesbar…</numerusform>
            <numerusform>%n gespeicherte Standorte sind nicht lesbar…</numerusform>
        </translation>
    </message>
    <message>
        <source>Saved sites</source>
        <translation>Gespeicherte Standorte</translation>
    </message>
    <message>
        <source>Save site</source>
        <translation>Standort speichern</translation>
    </message>
    <message>
        <source>Name of the site:</source>
        <translation>Name des Standorts:</translation>
    </message>
    <message>
        <source>A site needs a name; nothing was saved.</source>
        <translation>Ein Standort braucht einen Namen; es wurde nichts gespeichert.</translation>
    </message>
    <message>
        <source>A site named &quot;%1&quot; is saved already. Replace it?</source>
        <translation>Ein Standort namens „%1“ ist bereits gespeichert. Ersetzen?</translation>
    </message>
    <message>
        <source>Saved site:</source>
        <translation>Gespeicherter Standort:</translation>
    </message>
    <message>
        <source>Rename site</source>
        <translation>Standort umbenennen</translation>
    </message>
    <message>
        <source>New name:</source>
        <translation>Neuer Name:</translation>
    </message>
    <message>
        <source>Delete site</source>
        <translation>Standort löschen</translation>
    </message>
    <message>
        <source>Delete the saved site &quot;%1&quot;?</source>
        <translation>Gespeicherten Standort „%1“ löschen?</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>job sheet</source>
        <translation>Auftragsblatt</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>PDF exportieren</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
</context>
<context>
    <name>kestrion::ui::MainWindow</name>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>%1° leans back</source>
        <translation>%1° nach hinten</translation>
    </message>
    <message>
        <source>%1° leans forward</source>
        <translation>%1° nach vorn</translation>
    </message>
    <message>
        <source>%1° upright</source>
        <translation>%1° senkrecht</translation>
    </message>
    <message>
        <source>No magnetic model: no magnetic bearing.</source>
        <translation>Kein Magnetfeldmodell: kein magnetischer Azimut.</translation>
    </message>
    <message>
        <source>Date outside the magnetic model (2025 to 2029).</source>
        <translation>Datum außerhalb des Magnetfeldmodells (2025 bis 2029).</translation>
    </message>
    <message>
        <source>Weak magnetic field: a compass is unreliable here.</source>
        <translation>Schwaches Magnetfeld: Ein Kompass ist hier unzuverlässig.</translation>
    </message>
    <message>
        <source>Below the horizon: not visible from this site.</source>
        <translation>Unter dem Horizont: von diesem Standort nicht sichtbar.</translation>
    </message>
    <message>
        <source>At a pole the azimuth is arbitrary.</source>
        <translation>Am Pol ist der Azimut beliebig.</translation>
    </message>
    <message>
        <source>The magnetic model does not cover this date.</source>
        <translation>Das Magnetfeldmodell deckt dieses Datum nicht ab.</translation>
    </message>
    <message>
        <source>%1: not this position</source>
        <translation>%1: nicht diese Position</translation>
    </message>
    <message>
        <source>&amp;Rain availability (ITU-R)…</source>
        <translation>&amp;Verfügbarkeit bei Regen (ITU-R)…</translation>
    </message>
    <message>
        <source>The &amp;sun: direction, outages, obstacles…</source>
        <translation>Die &amp;Sonne: Richtung, Störungen, Hindernisse…</translation>
    </message>
    <message>
        <source>&amp;Motor and multifeed…</source>
        <translation>&amp;Motor und Multifeed…</translation>
    </message>
</context>
<context>
    <name>kestrion::ui::MotorDialog</name>
    <message>
        <source>east</source>
        <translation>Ost</translation>
    </message>
    <message>
        <source>west</source>
        <translation>West</translation>
    </message>
    <message>
        <source>on the meridian</source>
        <translation>auf dem Meridian</translation>
    </message>
    <message>
        <source>Motor and multifeed</source>
        <translation>Motor und Multifeed</translation>
    </message>
    <message>
        <source>Satellites visible from here</source>
        <translation>Von hier sichtbare Satelliten</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellit</translation>
    </message>
    <message>
        <source>Elevation</source>
        <translation>Elevation</translation>
    </message>
    <message>
        <source>Azimuth</source>
        <translation>Azimut</translation>
    </message>
    <message>
        <source>Skew</source>
        <translation>LNB-Drehung</translation>
    </message>
    <message>
        <source>Motor</source>
        <translation>Motor</translation>
    </message>
    <message>
        <source>Motor (DiSEqC 1.2, USALS) on a polar mount</source>
        <translation>Motor (DiSEqC 1.2, USALS) an einer Polarhalterung</translation>
    </message>
    <message>
        <source>How far the motor turns either side of the meridian, 1 to 90 degrees</source>
        <translation>Wie weit der Motor beiderseits des Meridians dreht, 1 bis 90 Grad</translation>
    </message>
    <message>
        <source>Motor limit (deg)</source>
        <translation>Motorgrenze (Grad)</translation>
    </message>
    <message>
        <source>Motor angle</source>
        <translation>Motorwinkel</translation>
    </message>
    <message>
        <source>DiSEqC Goto angular position, after Eutelsat&apos;s positioner application note</source>
        <translation>DiSEqC „Goto angular position“ nach Eutelsats Positioner Application Note</translation>
    </message>
    <message>
        <source>DiSEqC command</source>
        <translation>DiSEqC-Befehl</translation>
    </message>
    <message>
        <source>Polar mount</source>
        <translation>Polarhalterung</translation>
    </message>
    <message>
        <source>Second LNB (multifeed)</source>
        <translation>Zweites LNB (Multifeed)</translation>
    </message>
    <message>
        <source>Second satellite</source>
        <translation>Zweiter Satellit</translation>
    </message>
    <message>
        <source>By name or position, e.g. Hotbird 13E or 13E</source>
        <translation>Per Name oder Position, z. B. Hotbird 13E oder 13E</translation>
    </message>
    <message>
        <source>Dish diameter (m)</source>
        <translation>Spiegeldurchmesser (m)</translation>
    </message>
    <message>
        <source>Focal length (m)</source>
        <translation>Brennweite (m)</translation>
    </message>
    <message>
        <source>For an offset dish, the focal length of the parent paraboloid it is cut from</source>
        <translation>Beim Offsetspiegel die Brennweite des Mutterparaboloids, aus dem er geschnitten ist</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not taken. Enter a number of degrees either side of the meridian from %2 to %3.</source>
        <translation>„%1“ wird nicht übernommen. Geben Sie eine Gradzahl beiderseits des Meridians von %2 bis %3 ein.</translation>
    </message>
    <message>
        <source>elevation scale %1, declination offset %2, dish elevation %3</source>
        <translation>Elevationsskala %1, Deklinationsversatz %2, Spiegelneigung %3</translation>
    </message>
    <message>
        <source>The satellite is beyond the motor&apos;s limit of %1: the motor cannot turn the dish to it.</source>
        <translation>Der Satellit liegt jenseits der Motorgrenze von %1: Der Motor kann den Spiegel nicht dorthin drehen.</translation>
    </message>
    <message>
        <source>Separation %1; second LNB %2 mm %3 of the first, seen from behind the dish; rail tilt %4; its skew %5</source>
        <translation>Abstand %1; zweites LNB %2 mm %3 vom ersten, von hinten gesehen; Schienenneigung %4; seine LNB-Drehung %5</translation>
    </message>
    <message>
        <source>Under 40 mm: two LNB bodies do not fit side by side; use a twin (monoblock) LNB.</source>
        <translation>Unter 40 mm: Zwei LNB-Gehäuse passen nicht nebeneinander; ein Monoblock-LNB verwenden.</translation>
    </message>
    <message>
        <source>The second satellite is below the horizon here.</source>
        <translation>Der zweite Satellit steht hier unter dem Horizont.</translation>
    </message>
    <message>
        <source>Magnetic bearing</source>
        <translation>Magnetische Peilung</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not taken. Enter the dish&apos;s diameter in metres, from %2 to %3.</source>
        <translation>„%1“ wird nicht übernommen. Geben Sie den Spiegeldurchmesser in Metern von %2 bis %3 ein.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not taken. Enter the focal length in metres, from %2 to %3.</source>
        <translation>„%1“ wird nicht übernommen. Geben Sie die Brennweite in Metern von %2 bis %3 ein.</translation>
    </message>
    <message>
        <source>A focal length of %1 m on a dish of %2 m is no dish&apos;s (F/D %3). Enter a focal length from %4 to %5 times the diameter; for an offset dish, that of the parent paraboloid.</source>
        <translation>Eine Brennweite von %1 m bei einem Spiegel von %2 m hat kein Spiegel (F/D %3). Geben Sie eine Brennweite vom %4- bis %5-Fachen des Durchmessers ein; bei einem Offsetspiegel die des Mutterparaboloids.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is at the main satellite&apos;s position, %2. Enter a satellite at another position.</source>
        <translation>„%1“ steht auf der Position des Hauptsatelliten, %2. Geben Sie einen Satelliten auf einer anderen Position ein.</translation>
    </message>
    <message>
        <source>No figures for the second LNB: a floating-point fault (%1).</source>
        <translation>Keine Werte für den zweiten LNB: ein Gleitkommafehler (%1).</translation>
    </message>
</context>
<context>
    <name>kestrion::ui::RainAvailabilityDialog</name>
    <message>
        <source>Rain availability (ITU-R)</source>
        <translation>Verfügbarkeit bei Regen (ITU-R)</translation>
    </message>
    <message>
        <source>Link and rain</source>
        <translation>Strecke und Regen</translation>
    </message>
    <message>
        <source>Availability</source>
        <translation>Verfügbarkeit</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Auswählen…</translation>
    </message>
    <message>
        <source>Nothing was changed:</source>
        <translation>Es wurde nichts geändert:</translation>
    </message>
    <message>
        <source>not used</source>
        <translation>nicht verwendet</translation>
    </message>
    <message>
        <source>Change on the C/N page</source>
        <translation>Auf der C/N-Seite ändern</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not taken. Enter a frequency from %2 to %3 GHz.</source>
        <translation>„%1“ wird nicht übernommen. Geben Sie eine Frequenz von %2 bis %3 GHz ein.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not taken. Enter an elevation above %2 and up to %3 degrees.</source>
        <translation>„%1“ wird nicht übernommen. Geben Sie eine Elevation über %2 bis %3 Grad ein.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not taken. Enter a latitude from %2 to %3 degrees.</source>
        <translation>„%1“ wird nicht übernommen. Geben Sie eine Breite von %2 bis %3 Grad ein.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not taken. Enter a rain rate from %2 to %3 mm/h.</source>
        <translation>„%1“ wird nicht übernommen. Geben Sie eine Regenrate von %2 bis %3 mm/h ein.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not taken. Enter a rain height from %2 to %3 km above sea level.</source>
        <translation>„%1“ wird nicht übernommen. Geben Sie eine Regenhöhe von %2 bis %3 km über dem Meeresspiegel ein.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not taken. Enter the station&apos;s height from %2 to %3 km above sea level.</source>
        <translation>„%1“ wird nicht übernommen. Geben Sie die Höhe der Station von %2 bis %3 km über dem Meeresspiegel ein.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not taken. Enter a tilt from %2 to %3 degrees from the horizontal, or horizontal, vertical or circular.</source>
        <translation>„%1“ wird nicht übernommen. Geben Sie eine Neigung von %2 bis %3 Grad gegen die Horizontale ein, oder horizontal, vertical oder circular.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not taken. Enter percentages of the year from %2 to %3, several separated by commas.</source>
        <translation>„%1“ wird nicht übernommen. Geben Sie Prozent des Jahres von %2 bis %3 ein, mehrere durch Kommas getrennt.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not taken. Choose a zone letter of the ITU-R P.837-1 table: %2.</source>
        <translation>„%1“ wird nicht übernommen. Wählen Sie einen Zonenbuchstaben der Tabelle aus ITU-R P.837-1: %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not taken. Enter a C/N from %2 to %3 dB, or a DVB-S2 modulation and code rate such as &quot;8PSK 3/5&quot;.</source>
        <translation>„%1“ wird nicht übernommen. Geben Sie ein C/N von %2 bis %3 dB ein oder eine DVB-S2-Modulation mit Coderate wie „8PSK 3/5“.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not taken. Enter a target from %2 to %3 % of the year.</source>
        <translation>„%1“ wird nicht übernommen. Geben Sie ein Ziel von %2 bis %3 % des Jahres ein.</translation>
    </message>
    <message>
        <source>the station height is in km (%1 m is %2)</source>
        <translation>die Höhe der Station wird in km angegeben (%1 m sind %2)</translation>
    </message>
    <message>
        <source>DVB-S2 has no %1; its %2 code rates are %3</source>
        <translation>DVB-S2 kennt kein %1; seine %2-Coderaten sind %3</translation>
    </message>
</context>
<context>
    <name>kestrion::ui::TabControl</name>
    <message>
        <source>Pages</source>
        <translation>Seiten</translation>
    </message>
</context>
<context>
    <name>kestrion::ui::SunDialog</name>
    <message>
        <source>Enter a whole number from %1 to %2.</source>
        <translation>Eine ganze Zahl von %1 bis %2 eingeben.</translation>
    </message>
    <message>
        <source>Enter a number above %1 up to %2.</source>
        <translation>Eine Zahl über %1 bis %2 eingeben.</translation>
    </message>
    <message>
        <source>Enter a number from %1 to %2.</source>
        <translation>Eine Zahl von %1 bis %2 eingeben.</translation>
    </message>
    <message>
        <source>At %1 a plumb line&apos;s shadow points the way the dish must face (the sun %2 high).</source>
        <translation>Um %1 zeigt der Schatten eines Lots in die Richtung, in die die Schüssel zeigen muss (Sonne %2 hoch).</translation>
    </message>
    <message>
        <source>At %1 face the sun: that is the dish&apos;s direction (the sun %2 high).</source>
        <translation>Um %1 zur Sonne schauen: Das ist die Richtung der Schüssel (Sonne %2 hoch).</translation>
    </message>
    <message>
        <source>No shadow points the dish&apos;s way this day: the sun stands opposite the dish only below the horizon, or never.</source>
        <translation>An diesem Tag zeigt kein Schatten die Richtung der Schüssel: Die Sonne steht ihr nur unter dem Horizont gegenüber oder nie.</translation>
    </message>
    <message>
        <source>The sun does not stand in the dish&apos;s direction this day while above the horizon.</source>
        <translation>An diesem Tag steht die Sonne über dem Horizont nie in der Richtung der Schüssel.</translation>
    </message>
    <message>
        <source>The sun: direction, outages and obstacles</source>
        <translation>Die Sonne: Richtung, Sonnenstörungen und Hindernisse</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Dish diameter (m)</source>
        <translation>Schüsseldurchmesser (m)</translation>
    </message>
    <message>
        <source>Frequency (GHz)</source>
        <translation>Frequenz (GHz)</translation>
    </message>
    <message>
        <source>Days of outages</source>
        <translation>Tage der Vorschau</translation>
    </message>
    <message>
        <source>Obstacle&apos;s height above the dish (m)</source>
        <translation>Höhe des Hindernisses über der Schüssel (m)</translation>
    </message>
    <message>
        <source>Obstacle&apos;s distance (m)</source>
        <translation>Entfernung des Hindernisses (m)</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Beginn</translation>
    </message>
    <message>
        <source>Peak</source>
        <translation>Maximum</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Separation</source>
        <translation>Abstand</translation>
    </message>
    <message>
        <source>Enter the obstacle&apos;s height and its distance.</source>
        <translation>Höhe und Entfernung des Hindernisses eingeben.</translation>
    </message>
    <message>
        <source>The satellite is below the horizon: the sun can show no direction to it and causes no outage.</source>
        <translation>Der Satellit steht unter dem Horizont: Die Sonne kann keine Richtung zu ihm zeigen und stört nicht.</translation>
    </message>
    <message>
        <source>The dish faces %1 from true north, %2 up. Times in %3.</source>
        <translation>Die Schüssel zeigt %1 von geografisch Nord, %2 hoch. Zeiten in %3.</translation>
    </message>
    <message>
        <source>Beamwidth %1, so the sun disturbs the dish within %2 of the satellite.</source>
        <translation>Keulenbreite %1: Die Sonne stört die Schüssel, wenn sie näher als %2 am Satelliten steht.</translation>
    </message>
    <message>
        <source>The sun never reaches the satellite from this site.</source>
        <translation>Von diesem Standort aus kommt die Sonne dem Satelliten nie nahe.</translation>
    </message>
    <message>
        <source>No sun outage in the days asked for.</source>
        <translation>Keine Sonnenstörung in den gewählten Tagen.</translation>
    </message>
    <message>
        <source>Sun outages in the days asked for: within each window the sun adds its own noise to the dish&apos;s, so the picture may break up for the window&apos;s minutes, every year, and nothing is wrong with the installation.</source>
        <translation>Sonnenstörungen in den gewählten Tagen: In jedem Zeitfenster fügt die Sonne ihr eigenes Rauschen dem der Schüssel hinzu. Das Bild kann in diesen Minuten jedes Jahr zerfallen, und an der Anlage ist nichts falsch.</translation>
    </message>
    <message>
        <source>Enter an obstacle&apos;s height and distance to see whether it blocks the satellite.</source>
        <translation>Höhe und Entfernung eines Hindernisses eingeben, um zu sehen, ob es den Satelliten verdeckt.</translation>
    </message>
    <message>
        <source>Its top stands %1 above the horizontal.</source>
        <translation>Seine Oberkante steht %1 über der Waagerechten.</translation>
    </message>
    <message>
        <source>The satellite clears it by %1.</source>
        <translation>Der Satellit ist %1 frei darüber.</translation>
    </message>
    <message>
        <source>It blocks the satellite by %1.</source>
        <translation>Es verdeckt den Satelliten um %1.</translation>
    </message>
    <message>
        <source>To clear it by %1 it must stand at least %2 away.</source>
        <translation>Für %1 Abstand muss es mindestens %2 entfernt stehen.</translation>
    </message>
    <message>
        <source>No distance clears it by %1: the satellite stands no higher.</source>
        <translation>Keine Entfernung reicht für %1 Abstand: Der Satellit steht nicht höher.</translation>
    </message>
</context>
<context>
    <name>kestrion::ui::RangeBox</name>
    <message>
        <source>%1 is outside %2 to %3%4; %5 kept</source>
        <translation>%1 liegt außerhalb von %2 bis %3%4; %5 bleibt</translation>
    </message>
</context>
</TS>
