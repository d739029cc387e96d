<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AngleText</name>
    <message>
        <source>Nothing was typed.</source>
        <translation>Rien n&apos;a été saisi.</translation>
    </message>
    <message>
        <source>That is not an angle.</source>
        <translation>Ce n&apos;est pas un angle.</translation>
    </message>
    <message>
        <source>A minus or plus sign cannot be used with a hemisphere letter.</source>
        <translation>Un signe moins ou plus ne peut pas être utilisé avec une lettre d&apos;hémisphère.</translation>
    </message>
    <message>
        <source>Only one hemisphere letter is allowed.</source>
        <translation>Une seule lettre d&apos;hémisphère est permise.</translation>
    </message>
    <message>
        <source>That hemisphere letter does not fit here.</source>
        <translation>Cette lettre d&apos;hémisphère ne convient pas ici.</translation>
    </message>
    <message>
        <source>Only the last of degrees, minutes and seconds may have decimals.</source>
        <translation>Seule la dernière valeur parmi degrés, minutes et secondes peut avoir des décimales.</translation>
    </message>
    <message>
        <source>Minutes must be below 60.</source>
        <translation>Les minutes doivent être inférieures à 60.</translation>
    </message>
    <message>
        <source>Seconds must be below 60.</source>
        <translation>Les secondes doivent être inférieures à 60.</translation>
    </message>
    <message>
        <source>That is out of range.</source>
        <translation>C&apos;est hors de la plage permise.</translation>
    </message>
    <message>
        <source>That is neither a position nor the name of a listed satellite.</source>
        <translation>Ce n&apos;est ni une position ni le nom d&apos;un satellite de la liste.</translation>
    </message>
    <message>
        <source>Latitude: -90 to 90 degrees, N or S, e.g. 52.52, -33.9247, 33.9247S, 33°55&apos;29&quot;S, 33 55 29 S or 33°55.48&apos;S.</source>
        <translation>Latitude : de -90 à 90 degrés, N ou S, p. ex. 52.52, -33.9247, 33.9247S, 33°55&apos;29&quot;S, 33 55 29 S ou 33°55.48&apos;S.</translation>
    </message>
    <message>
        <source>Longitude: -180 to 180 degrees, E or W, e.g. 13.405, -5, 5W, W5, 13°24&apos;18&quot;E or 13 24 18 E.</source>
        <translation>Longitude : de -180 à 180 degrés, E ou O (W aussi pour ouest), p. ex. 13.405, -5, 5O, O5, 13°24&apos;18&quot;E ou 13 24 18 E.</translation>
    </message>
    <message>
        <source>Satellite position: -180 to 180 degrees, E or W, e.g. 19.2E, 19,2, -5, 5W or 30°0&apos;W, or a satellite name such as Astra 19.2E.</source>
        <translation>Position du satellite : de -180 à 180 degrés, E ou O (W aussi pour ouest), p. ex. 19.2E, 19,2, -5, 5O ou 30°0&apos;O, ou un nom de satellite comme Astra 19.2E.</translation>
    </message>
    <message>
        <source>That name does not single out one satellite; it fits %1.</source>
        <translation>Ce nom ne désigne pas un seul satellite ; il correspond à %1.</translation>
    </message>
</context>
<context>
    <name>Browser</name>
    <message>
        <source> could not find a file association for </source>
        <translation> n&apos;a trouvé aucune association de fichier pour </translation>
    </message>
    <message>
        <source> on your system. You should check that your browser</source>
        <translation> sur votre système. Vérifiez que votre navigateur</translation>
    </message>
    <message>
        <source>is correctly installed and associated with this type of file.</source>
        <translation>est correctement installé et associé à ce type de fichier.</translation>
    </message>
    <message>
        <source> had a problem running your web browser.</source>
        <translation> n&apos;a pas pu lancer votre navigateur web.</translation>
    </message>
    <message>
        <source>You should check that your browser is correctly installed.</source>
        <translation>Vérifiez que votre navigateur est correctement installé.</translation>
    </message>
    <message>
        <source>(Error</source>
        <translation>(Erreur</translation>
    </message>
    <message>
        <source>)</source>
        <translation>)</translation>
    </message>
    <message>
        <source>Browser Unavailable</source>
        <translation>Navigateur indisponible</translation>
    </message>
</context>
<context>
    <name>Caption</name>
    <message>
        <source>LNB skew direction</source>
        <translation>Sens de rotation de la LNB</translation>
    </message>
    <message>
        <source>LNB Noise Figure (dB)</source>
        <translation>Fact. bruit LNB (dB)</translation>
    </message>
    <message>
        <source>Gain LNB (dB)</source>
        <translation>Gain LNB (dB)</translation>
    </message>
    <message>
        <source>Cable Loss (dB)</source>
        <translation>Perte câble (dB)</translation>
    </message>
    <message>
        <source>IF amplifier noise figure (dB)</source>
        <translation>Facteur de bruit ampli FI (dB)</translation>
    </message>
    <message>
        <source>Noise Figure (dB)</source>
        <translation>Facteur de bruit (dB)</translation>
    </message>
    <message>
        <source>Noise Temperature (K)</source>
        <translation>Température de bruit (K)</translation>
    </message>
    <message>
        <source>Feed Losses (dB)</source>
        <translation>Pertes feed (dB)</translation>
    </message>
    <message>
        <source>Dish Diameter (m)</source>
        <translation>Diam. parabole (m)</translation>
    </message>
    <message>
        <source>Efficiency (%)</source>
        <translation>Rendement (%)</translation>
    </message>
    <message>
        <source>Frequency (GHz)</source>
        <translation>Fréquence (GHz)</translation>
    </message>
    <message>
        <source>Antenna noise temperature (K)</source>
        <translation>Temp. bruit antenne (K)</translation>
    </message>
    <message>
        <source>Receiver Noise Figure (dB)</source>
        <translation>Facteur de bruit récepteur (dB)</translation>
    </message>
    <message>
        <source>IF Amplifier Gain (dB)</source>
        <translation>Gain ampli FI (dB)</translation>
    </message>
    <message>
        <source>System Noise Figure (dB)</source>
        <translation>Facteur de bruit du système (dB)</translation>
    </message>
    <message>
        <source>Antenna Gain (dB)</source>
        <translation>Gain (dB)</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Latitude</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Longitude</translation>
    </message>
    <message>
        <source>Satellite position</source>
        <translation>Position satellite</translation>
    </message>
    <message>
        <source>Eirp (dBW)</source>
        <translation>PIRE (dBW)</translation>
    </message>
    <message>
        <source>Dish Diameter (cm)</source>
        <translation>Diamètre parabole (cm)</translation>
    </message>
    <message>
        <source>Antenna Efficiency  (%)</source>
        <translation>Rendement antenne (%)</translation>
    </message>
    <message>
        <source>Antenna Noise Temp. (K)</source>
        <translation>Temp. bruit antenne (K)</translation>
    </message>
    <message>
        <source>System Noise Figure</source>
        <translation>Fact. bruit système</translation>
    </message>
    <message>
        <source>Bandwidth (MHz)</source>
        <translation>Bande pass. (MHz)</translation>
    </message>
    <message>
        <source>G/T (dB/K)</source>
        <translation>G/T (dB/K)</translation>
    </message>
    <message>
        <source>Elevation angle (deg)</source>
        <translation>Élévation (°)</translation>
    </message>
    <message>
        <source>Azimuth angle (deg)</source>
        <translation>Azimut (°)</translation>
    </message>
    <message>
        <source>Polarization angle (deg)</source>
        <translation>Angle de polarisation (°)</translation>
    </message>
    <message>
        <source>Distance to satellite (km)</source>
        <translation>Distance du satellite (km)</translation>
    </message>
    <message>
        <source>Carrier to Noise (dB)</source>
        <translation>Porteuse/bruit (dB)</translation>
    </message>
    <message>
        <source>Elevation</source>
        <translation>Élévation</translation>
    </message>
    <message>
        <source>Clear sky</source>
        <translation>Ciel clair</translation>
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
        <translation>Facteur de bruit en température</translation>
    </message>
    <message>
        <source>Antenna Gain Calculations</source>
        <translation>Gain d&apos;antenne</translation>
    </message>
    <message>
        <source>G/T Calculations</source>
        <translation>Calcul du G/T</translation>
    </message>
    <message>
        <source>Antenna Alignment</source>
        <translation>Pointage de l&apos;antenne</translation>
    </message>
    <message>
        <source>C/N</source>
        <translation>C/N</translation>
    </message>
    <message>
        <source>(west = neg.  east = pos.)</source>
        <translation>(ouest = nég.  est = pos.)</translation>
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
        <translation>Azimut magn., déclinaison</translation>
    </message>
    <message>
        <source>Magnetic bearing (deg)</source>
        <translation>Azimut magnétique (°)</translation>
    </message>
    <message>
        <source>Magnetic declination</source>
        <translation>Déclinaison magnétique</translation>
    </message>
    <message>
        <source>Compass warnings</source>
        <translation>Alertes boussole</translation>
    </message>
    <message>
        <source>Dish offset angle (deg)</source>
        <translation>Angle d&apos;offset (°)</translation>
    </message>
    <message>
        <source>Face tilt</source>
        <translation>Inclinaison</translation>
    </message>
    <message>
        <source>Footprints on the web</source>
        <translation>Empreintes sur le web</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Visit:</source>
        <translation>Web :</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellite</translation>
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
        <translation>Polarisation</translation>
    </message>
    <message>
        <source>Elevation</source>
        <translation>Élévation</translation>
    </message>
    <message>
        <source>Kestrion job sheet</source>
        <translation>Fiche d&apos;intervention Kestrion</translation>
    </message>
    <message>
        <source>Date: %1</source>
        <translation>Date : %1</translation>
    </message>
    <message>
        <source>Site: %1</source>
        <translation>Site : %1</translation>
    </message>
    <message>
        <source>(not saved)</source>
        <translation>(non enregistré)</translation>
    </message>
    <message>
        <source>True azimuth</source>
        <translation>Azimut géographique</translation>
    </message>
    <message>
        <source>Site and satellite</source>
        <translation>Site et satellite</translation>
    </message>
    <message>
        <source>Pointing</source>
        <translation>Pointage</translation>
    </message>
    <message>
        <source>Link budget (C/N)</source>
        <translation>Bilan de liaison (C/N)</translation>
    </message>
    <message>
        <source>System noise figure chain</source>
        <translation>Facteur de bruit de la chaîne</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Remarques</translation>
    </message>
    <message>
        <source>Installer: ______________________    Customer: ______________________</source>
        <translation>Installateur : ______________________    Client : ______________________</translation>
    </message>
    <message>
        <source>Kestrion %1 — every figure as the window shows it</source>
        <translation>Kestrion %1 — toutes les valeurs telles que la fenêtre les affiche</translation>
    </message>
    <message>
        <source>Cannot write the job sheet to %1: %2</source>
        <translation>Impossible d&apos;écrire la fiche d&apos;intervention dans %1 : %2</translation>
    </message>
    <message>
        <source>Cannot draw the job sheet for %1</source>
        <translation>Impossible de générer la fiche d&apos;intervention pour %1</translation>
    </message>
    <message>
        <source>Cannot print the job sheet on %1</source>
        <translation>Impossible d&apos;imprimer la fiche d&apos;intervention sur %1</translation>
    </message>
    <message>
        <source>Rain fade (ITU-R P.618): the basis</source>
        <translation>Affaiblissement dû à la pluie (UIT-R P.618) : données</translation>
    </message>
    <message>
        <source>Rain availability</source>
        <translation>Disponibilité sous la pluie</translation>
    </message>
    <message>
        <source>Times in</source>
        <translation>Heures en</translation>
    </message>
    <message>
        <source>Shadow</source>
        <translation>Ombre</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Soleil</translation>
    </message>
    <message>
        <source>Sun outage</source>
        <translation>Éblouissement solaire</translation>
    </message>
    <message>
        <source>%1, %2 to %3, closest at %4: %5 from the satellite</source>
        <translation>%1, de %2 à %3, au plus près à %4 : à %5 du satellite</translation>
    </message>
    <message>
        <source>Obstacle</source>
        <translation>Obstacle</translation>
    </message>
    <message>
        <source>Motor limit</source>
        <translation>Limite du moteur</translation>
    </message>
    <message>
        <source>Latitude scale</source>
        <translation>Échelle de latitude</translation>
    </message>
    <message>
        <source>Declination offset</source>
        <translation>Décalage de déclinaison</translation>
    </message>
    <message>
        <source>Dish elevation on the mount</source>
        <translation>Élévation de la parabole sur la monture</translation>
    </message>
    <message>
        <source>Second LNB</source>
        <translation>Second LNB</translation>
    </message>
</context>
<context>
    <name>PageText</name>
    <message>
        <source>LNB skew direction</source>
        <translation>Sens de rotation de la LNB</translation>
    </message>
    <message>
        <source>none: upright</source>
        <translation>aucune : droite</translation>
    </message>
    <message>
        <source>anticlockwise, from behind the dish</source>
        <translation>sens antihoraire, vu de derrière</translation>
    </message>
    <message>
        <source>clockwise, from behind the dish</source>
        <translation>sens horaire, vu de derrière</translation>
    </message>
    <message>
        <source>none: the LNB stays upright</source>
        <translation>aucune : la LNB reste droite</translation>
    </message>
    <message>
        <source>anticlockwise, seen from behind the dish looking at the satellite</source>
        <translation>dans le sens antihoraire, vu de derrière la parabole en regardant le satellite</translation>
    </message>
    <message>
        <source>clockwise, seen from behind the dish looking at the satellite</source>
        <translation>dans le sens horaire, vu de derrière la parabole en regardant le satellite</translation>
    </message>
    <message>
        <source>Rain</source>
        <translation>Pluie</translation>
    </message>
    <message>
        <source>Latitude (DMS)</source>
        <translation>Latitude (DMS)</translation>
    </message>
    <message>
        <source>Longitude (DMS)</source>
        <translation>Longitude (DMS)</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellite</translation>
    </message>
    <message>
        <source>Magnetic bearing</source>
        <translation>Azimut magnétique</translation>
    </message>
    <message>
        <source>Magnetic declination</source>
        <translation>Déclin. magnétique</translation>
    </message>
    <message>
        <source>Declination model</source>
        <translation>Modèle de déclinaison</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Dish offset angle</source>
        <translation>Angle d&apos;offset</translation>
    </message>
    <message>
        <source>Face tilt</source>
        <translation>Inclinaison</translation>
    </message>
    <message>
        <source>deg</source>
        <translation>°</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Remarque</translation>
    </message>
</context>
<context>
    <name>RainFade</name>
    <message>
        <source>Frequency</source>
        <translation>Fréquence</translation>
    </message>
    <message>
        <source>The downlink frequency of the carrier</source>
        <translation>La fréquence descendante de la porteuse</translation>
    </message>
    <message>
        <source>Tilt from the horizontal</source>
        <translation>Inclinaison par rapport à l&apos;horizontale</translation>
    </message>
    <message>
        <source>The angle of a linear polarization from the horizontal, as seen at the dish</source>
        <translation>L&apos;angle d&apos;une polarisation linéaire par rapport à l&apos;horizontale, vu depuis la parabole</translation>
    </message>
    <message>
        <source>Rain rate R0.01</source>
        <translation>Intensité de pluie R0.01</translation>
    </message>
    <message>
        <source>The rain rate exceeded for 0.01 % of an average year at the site</source>
        <translation>L&apos;intensité de pluie dépassée pendant 0,01 % d&apos;une année moyenne sur le site</translation>
    </message>
    <message>
        <source>Rain height</source>
        <translation>Hauteur de pluie</translation>
    </message>
    <message>
        <source>The top of the rain above sea level: 0.36 km above the 0 °C isotherm</source>
        <translation>Le sommet de la pluie au-dessus du niveau de la mer : 0,36 km au-dessus de l&apos;isotherme 0 °C</translation>
    </message>
    <message>
        <source>Station height</source>
        <translation>Altitude de la station</translation>
    </message>
    <message>
        <source>The height of the dish above sea level</source>
        <translation>L&apos;altitude de la parabole au-dessus du niveau de la mer</translation>
    </message>
    <message>
        <source>Required C/N</source>
        <translation>C/N requis</translation>
    </message>
    <message>
        <source>The C/N the receiver needs for a clean picture</source>
        <translation>Le C/N dont le récepteur a besoin pour une image nette</translation>
    </message>
    <message>
        <source>Target availability</source>
        <translation>Disponibilité visée</translation>
    </message>
    <message>
        <source>The part of an average year the picture should stay</source>
        <translation>La part d&apos;une année moyenne pendant laquelle l&apos;image doit tenir</translation>
    </message>
    <message>
        <source>Polarization</source>
        <translation>Polarisation</translation>
    </message>
    <message>
        <source>Horizontal fades most; circular is counted as a tilt of 45°</source>
        <translation>L&apos;horizontale est la plus atténuée ; la circulaire compte comme une inclinaison de 45°</translation>
    </message>
    <message>
        <source>Rain zone (older ITU-R P.837-1 table)</source>
        <translation>Zone de pluie (ancienne table UIT-R P.837-1)</translation>
    </message>
    <message>
        <source>The climatic zone letter of the older table, for its R0.01</source>
        <translation>La lettre de zone climatique de l&apos;ancienne table, pour son R0.01</translation>
    </message>
    <message>
        <source>ITU-R P.837 map of R0.01</source>
        <translation>Carte de R0.01 (UIT-R P.837)</translation>
    </message>
    <message>
        <source>The ITU&apos;s map file R001.TXT: R0.01 is read at the site</source>
        <translation>Le fichier de carte R001.TXT de l&apos;UIT : R0.01 est lu sur le site</translation>
    </message>
    <message>
        <source>ITU-R P.839 map of the 0 °C isotherm</source>
        <translation>Carte de l&apos;isotherme 0 °C (UIT-R P.839)</translation>
    </message>
    <message>
        <source>The ITU&apos;s map file h0.txt: the rain height is read at the site</source>
        <translation>Le fichier de carte h0.txt de l&apos;UIT : la hauteur de pluie est lue sur le site</translation>
    </message>
    <message>
        <source>DVB-S2 modulation and code rate</source>
        <translation>Modulation et rendement de code DVB-S2</translation>
    </message>
    <message>
        <source>Its ideal Es/N0 for quasi-error-free reception (ETSI EN 302 307-1)</source>
        <translation>Son Es/N0 idéal pour une réception quasi sans erreur (ETSI EN 302 307-1)</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Horizontale</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Verticale</translation>
    </message>
    <message>
        <source>Circular</source>
        <translation>Circulaire</translation>
    </message>
    <message>
        <source>Tilted</source>
        <translation>Inclinée</translation>
    </message>
    <message>
        <source>%1° from the horizontal</source>
        <translation>%1° par rapport à l&apos;horizontale</translation>
    </message>
    <message>
        <source>R0.01 from</source>
        <translation>R0.01 d&apos;après</translation>
    </message>
    <message>
        <source>zone %1 of the older ITU-R P.837-1 table</source>
        <translation>zone %1 de l&apos;ancienne table UIT-R P.837-1</translation>
    </message>
    <message>
        <source>the ITU-R P.837 map %1</source>
        <translation>carte %1 (UIT-R P.837)</translation>
    </message>
    <message>
        <source>Rain height from</source>
        <translation>Hauteur de pluie d&apos;après</translation>
    </message>
    <message>
        <source>the ITU-R P.839 map %1</source>
        <translation>carte %1 (UIT-R P.839)</translation>
    </message>
    <message>
        <source>Elevation and latitude</source>
        <translation>Élévation et latitude</translation>
    </message>
    <message>
        <source>Rain availability</source>
        <translation>Disponibilité sous la pluie</translation>
    </message>
    <message>
        <source>still needs: %1</source>
        <translation>il manque : %1</translation>
    </message>
    <message>
        <source>none: the satellite is below the horizon</source>
        <translation>aucune : le satellite est sous l&apos;horizon</translation>
    </message>
    <message>
        <source>not worked out: a floating-point fault</source>
        <translation>non calculée : erreur de virgule flottante</translation>
    </message>
    <message>
        <source>Clear-sky margin</source>
        <translation>Marge par ciel clair</translation>
    </message>
    <message>
        <source>Rain fade at %1 %</source>
        <translation>Affaiblissement pluie à %1 %</translation>
    </message>
    <message>
        <source>C/N drop at %1 %</source>
        <translation>Baisse du C/N à %1 %</translation>
    </message>
    <message>
        <source>Availability with this dish</source>
        <translation>Disponibilité avec cette parabole</translation>
    </message>
    <message>
        <source>over %1</source>
        <translation>plus de %1</translation>
    </message>
    <message>
        <source>under %1</source>
        <translation>moins de %1</translation>
    </message>
    <message>
        <source>Dish for %1 %</source>
        <translation>Parabole pour %1 %</translation>
    </message>
    <message>
        <source>none up to %1</source>
        <translation>aucune jusqu&apos;à %1</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>The station height (%1 km) is at or above the rain height (%2 km): the path meets no rain, so every fade shows 0 dB. Check both heights (in km above sea level).</source>
        <translation>L&apos;altitude de la station (%1 km) atteint ou dépasse la hauteur de pluie (%2 km) : le trajet ne traverse aucune pluie, donc chaque affaiblissement affiche 0 dB. Vérifiez les deux hauteurs (en km au-dessus du niveau de la mer).</translation>
    </message>
    <message>
        <source>I type the rate</source>
        <translation>Je saisis l&apos;intensité</translation>
    </message>
    <message>
        <source>I type the C/N</source>
        <translation>Je saisis le C/N</translation>
    </message>
    <message>
        <source>It starts from the C/N page: EIRP %1 dBW, dish %2 cm, clear-sky C/N %3 dB.</source>
        <translation>Il part de la page C/N : PIRE %1 dBW, parabole %2 cm, C/N par ciel clair %3 dB.</translation>
    </message>
    <message>
        <source>The values filled in are an example (zone K, 3 km, 12 GHz, 8PSK 2/3), not this site&apos;s: enter the site&apos;s own.</source>
        <translation>Les valeurs remplies sont un exemple (zone K, 3 km, 12 GHz, 8PSK 2/3), pas celles de ce site : saisissez les siennes.</translation>
    </message>
    <message>
        <source>Rain fade: the loss of signal in the rain.</source>
        <translation>Affaiblissement pluie : la perte de signal sous la pluie.</translation>
    </message>
    <message>
        <source>C/N drop: the rain fade plus the sky noise the rain adds.</source>
        <translation>Baisse du C/N : l&apos;affaiblissement pluie plus le bruit du ciel que la pluie ajoute.</translation>
    </message>
    <message>
        <source>%1 dB: fails even in clear sky</source>
        <translation>%1 dB : échoue même par ciel clair</translation>
    </message>
    <message>
        <source>Horizontal, turned by the skew: %1°</source>
        <translation>Horizontale, tournée du skew : %1°</translation>
    </message>
    <message>
        <source>Vertical, turned by the skew: %1°</source>
        <translation>Verticale, tournée du skew : %1°</translation>
    </message>
</context>
<context>
    <name>SiteStore</name>
    <message>
        <source>it has no name</source>
        <translation>il n&apos;a pas de nom</translation>
    </message>
    <message>
        <source>latitude</source>
        <translation>latitude</translation>
    </message>
    <message>
        <source>longitude</source>
        <translation>longitude</translation>
    </message>
    <message>
        <source>satellite position</source>
        <translation>position du satellite</translation>
    </message>
    <message>
        <source>its %1 &quot;%2&quot; is refused: %3</source>
        <translation>valeur de %1 « %2 » refusée : %3</translation>
    </message>
    <message>
        <source>Some lines of %1 cannot be read and are left out.</source>
        <translation>Certaines lignes de %1 sont illisibles et sont ignorées.</translation>
    </message>
    <message>
        <source>The saved sites in %1 cannot be read.</source>
        <translation>Les sites enregistrés dans %1 sont illisibles.</translation>
    </message>
    <message>
        <source>its offset angle &quot;%1&quot; is not 0 to 45 degrees with at most one decimal</source>
        <translation>son angle d&apos;offset « %1 » n&apos;est pas compris entre 0 et 45 degrés avec au plus une décimale</translation>
    </message>
    <message>
        <source>its last use is not a number</source>
        <translation>sa dernière utilisation n&apos;est pas un nombre</translation>
    </message>
    <message>
        <source>Saved site &quot;%1&quot; (entry %2) skipped: %3.</source>
        <translation>Site enregistré « %1 » (entrée %2) ignoré : %3.</translation>
    </message>
    <message>
        <source>Cannot create the folder %1.</source>
        <translation>Impossible de créer le dossier %1.</translation>
    </message>
    <message>
        <source>The saved sites are busy in another window; try again.</source>
        <translation>Les sites enregistrés sont en cours d&apos;utilisation dans une autre fenêtre ; réessayez.</translation>
    </message>
    <message>
        <source>The saved sites in %1 cannot be read, so they are left as they are.</source>
        <translation>Les sites enregistrés dans %1 sont illisibles ; ils restent donc inchangés.</translation>
    </message>
    <message>
        <source>Cannot write the saved sites to %1.</source>
        <translation>Impossible d&apos;écrire les sites enregistrés dans %1.</translation>
    </message>
    <message>
        <source>Cannot write the saved sites to %1: %2</source>
        <translation>Impossible d&apos;écrire les sites enregistrés dans %1 : %2</translation>
    </message>
    <message>
        <source>There is no saved site &quot;%1&quot;.</source>
        <translation>Il n&apos;existe aucun site enregistré « %1 ».</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is empty or the name of another saved site.</source>
        <translation>« %1 » est vide ou est le nom d&apos;un autre site enregistré.</translation>
    </message>
</context>
<context>
    <name>Tooltip</name>
    <message>
        <source>Which way to turn the LNB, seen from behind the dish looking at the satellite</source>
        <translation>Dans quel sens tourner la LNB, vu de derrière la parabole en regardant le satellite</translation>
    </message>
    <message>
        <source>When not using an IF amplifier, apply 0 dB</source>
        <translation>Sans amplificateur FI, mettez 0 dB</translation>
    </message>
    <message>
        <source>The noise can be described in Noise Figure or Noise Temperature</source>
        <translation>Le bruit peut s&apos;exprimer en facteur de bruit ou en température de bruit</translation>
    </message>
    <message>
        <source>Rain attenuation is affected by the elevation of the antenna</source>
        <translation>L&apos;affaiblissement dû à la pluie dépend de l&apos;élévation de l&apos;antenne</translation>
    </message>
    <message>
        <source>Normally between  0 - 50 K. See specification of your dish.</source>
        <translation>Normalement entre 0 et 50 K. Voir la fiche technique de votre parabole.</translation>
    </message>
    <message>
        <source>Normally between 0 - 0.5 dB</source>
        <translation>Normalement entre 0 et 0,5 dB</translation>
    </message>
    <message>
        <source>Normally between 0.7 to 1.2 dB</source>
        <translation>Normalement entre 0,7 et 1,2 dB</translation>
    </message>
    <message>
        <source>Normally between 40 and 60 dB. To avoid intermodulation products, use as low gain as possible without raising the system NF.</source>
        <translation>Normalement entre 40 et 60 dB. Pour éviter les produits d&apos;intermodulation, prenez le gain le plus faible possible sans dégrader le facteur de bruit du système.</translation>
    </message>
    <message>
        <source>Cable Loss between the LNB and IF amplifier</source>
        <translation>Perte du câble entre le LNB et l&apos;amplificateur FI</translation>
    </message>
    <message>
        <source>The result</source>
        <translation>Le résultat</translation>
    </message>
    <message>
        <source>See specifications of your receiver</source>
        <translation>Voir la fiche technique de votre récepteur</translation>
    </message>
    <message>
        <source>Apply minor diameter when using an offset dish</source>
        <translation>Avec une parabole offset, prenez le petit diamètre</translation>
    </message>
    <message>
        <source>Normally 40 to 70 %</source>
        <translation>Normalement de 40 à 70 %</translation>
    </message>
    <message>
        <source>The gain of the antenna depends of frequency</source>
        <translation>Le gain de l&apos;antenne dépend de la fréquence</translation>
    </message>
    <message>
        <source>If you know the gain but not the efficiency, vary the efficiency until you get the correct gain</source>
        <translation>Si vous connaissez le gain mais pas le rendement, faites varier le rendement jusqu&apos;à obtenir le bon gain</translation>
    </message>
    <message>
        <source>Can be calculated in the System Noise Figure section</source>
        <translation>Se calcule dans la section Facteur de bruit du système</translation>
    </message>
    <message>
        <source>The gain can be calculated from antenna size and efficiency in the Antenna Gain Calculations section</source>
        <translation>Le gain se calcule à partir de la taille et du rendement de l&apos;antenne dans la section Gain d&apos;antenne</translation>
    </message>
    <message>
        <source>G/T is a measure of the performance of your system</source>
        <translation>Le G/T mesure la performance de votre installation</translation>
    </message>
    <message>
        <source>Latitude of dish  location</source>
        <translation>Latitude de l&apos;emplacement de la parabole</translation>
    </message>
    <message>
        <source>Longitude of dish location</source>
        <translation>Longitude de l&apos;emplacement de la parabole</translation>
    </message>
    <message>
        <source>Satellite position</source>
        <translation>Position du satellite</translation>
    </message>
    <message>
        <source>How to align the dish by the compass</source>
        <translation>Comment orienter la parabole à la boussole</translation>
    </message>
    <message>
        <source>Note that Astra satellites differ from standard polarisation</source>
        <translation>Attention : les satellites Astra diffèrent de la polarisation standard</translation>
    </message>
    <message>
        <source>Angle of inclination</source>
        <translation>Angle d&apos;élévation au-dessus de l&apos;horizon</translation>
    </message>
    <message>
        <source>Needed for C/N calculations</source>
        <translation>Nécessaire au calcul du C/N</translation>
    </message>
    <message>
        <source>Set this on a magnetic compass: the azimuth less the magnetic declination</source>
        <translation>À régler sur une boussole magnétique : l&apos;azimut moins la déclinaison magnétique</translation>
    </message>
    <message>
        <source>Magnetic declination at the site on the date (World Magnetic Model 2025)</source>
        <translation>Déclinaison magnétique au lieu et à la date (World Magnetic Model 2025)</translation>
    </message>
    <message>
        <source>0 for a prime-focus dish; offset dishes are typically 20 to 28 degrees</source>
        <translation>0 pour une parabole à foyer primaire ; les paraboles offset ont en général 20 à 28 degrés</translation>
    </message>
    <message>
        <source>Tilt of the dish face from vertical: the elevation less the offset angle</source>
        <translation>Inclinaison de la face de la parabole par rapport à la verticale : l&apos;élévation moins l&apos;angle d&apos;offset</translation>
    </message>
    <message>
        <source>Equivalent Isotropic Radiated Power</source>
        <translation>Puissance isotrope rayonnée équivalente</translation>
    </message>
    <message>
        <source>Get the Eirp from the footprint of the satellite</source>
        <translation>Relevez la PIRE sur l&apos;empreinte du satellite</translation>
    </message>
    <message>
        <source>Use the minor diameter for an offset dish</source>
        <translation>Pour une parabole offset, prenez le petit diamètre</translation>
    </message>
    <message>
        <source>If you only know the gain, you can calculate the efficiency in the Antenna Gain Calculations</source>
        <translation>Si vous ne connaissez que le gain, calculez le rendement dans Gain d&apos;antenne</translation>
    </message>
    <message>
        <source>See specifications of your antenna. Normally between 0 to 50 K.</source>
        <translation>Voir la fiche technique de votre antenne. Normalement entre 0 et 50 K.</translation>
    </message>
    <message>
        <source> Use System Noise Figure calculations and manually apply correct value.</source>
        <translation> Calculez-le dans Facteur de bruit du système et réglez la valeur à la main.</translation>
    </message>
    <message>
        <source>Bandwidth of the receiver</source>
        <translation>Bande passante du récepteur</translation>
    </message>
    <message>
        <source>Imported from Antenna Alignment Calculations</source>
        <translation>Valeur reprise de la section Pointage de l&apos;antenne</translation>
    </message>
    <message>
        <source>The rain attenuation is usable in the 10 to 13 GHz band only</source>
        <translation>L&apos;affaiblissement dû à la pluie ne vaut que pour la bande de 10 à 13 GHz</translation>
    </message>
    <message>
        <source>The answer</source>
        <translation>Le résultat</translation>
    </message>
    <message>
        <source>The elevation is imported from Antenna alignment calculations</source>
        <translation>L&apos;élévation est reprise de la section Pointage de l&apos;antenne</translation>
    </message>
    <message>
        <source>The satellite chosen by name</source>
        <translation>Le satellite choisi par son nom</translation>
    </message>
</context>
<context>
    <name>Web</name>
    <message>
        <source>The calculator could not be started: %1</source>
        <translation>Le calculateur n&apos;a pas pu démarrer : %1</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>The page&apos;s figures are on the clipboard.</source>
        <translation>Les valeurs de la page sont dans le presse-papiers.</translation>
    </message>
    <message>
        <source>The browser did not allow copying: %1</source>
        <translation>Le navigateur n&apos;a pas autorisé la copie : %1</translation>
    </message>
    <message>
        <source>Job sheet</source>
        <translation>Fiche d&apos;intervention</translation>
    </message>
    <message>
        <source>Print or save as PDF</source>
        <translation>Imprimer ou enregistrer en PDF</translation>
    </message>
    <message>
        <source>Back to the calculator</source>
        <translation>Retour au calculateur</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Close this message</source>
        <translation>Fermer ce message</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Utiliser</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renommer</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Saved site &quot;%1&quot;.</source>
        <translation>Site « %1 » enregistré.</translation>
    </message>
    <message>
        <source>Site &quot;%1&quot; entered.</source>
        <translation>Site « %1 » saisi.</translation>
    </message>
    <message>
        <source>The browser did not keep the site: %1</source>
        <translation>Le navigateur n&apos;a pas conservé le site : %1</translation>
    </message>
    <message>
        <source>Type a value</source>
        <translation>Saisir une valeur</translation>
    </message>
    <message>
        <source>Hint: %1</source>
        <translation>Conseil : %1</translation>
    </message>
    <message>
        <source>%1 is not taken: %2 to %3 %4, in steps of %5.</source>
        <translation>%1 n&apos;est pas retenu : de %2 à %3 %4, par pas de %5.</translation>
    </message>
    <message>
        <source>Not taken, the value shown still holds: %1</source>
        <translation>Non pris en compte, la valeur affichée reste en vigueur : %1</translation>
    </message>
    <message>
        <source>%1 is not on this device yet: its texts need the network once.</source>
        <translation>%1 n’est pas encore sur cet appareil : ses textes demandent le réseau une fois.</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Satellites</translation>
    </message>
    <message>
        <source>The address&apos;s %1 was not used: %2</source>
        <translation>%1 dans l&apos;adresse n&apos;a pas été utilisé : %2</translation>
    </message>
    <message>
        <source>The calculation stopped: %1</source>
        <translation>Le calcul s&apos;est arrêté : %1</translation>
    </message>
    <message>
        <source>A new version of Kestrion is ready.</source>
        <translation>Une nouvelle version de Kestrion est disponible.</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Recharger</translation>
    </message>
    <message>
        <source>Phone aids</source>
        <translation>Aides du téléphone</translation>
    </message>
    <message>
        <source>Use my position</source>
        <translation>Utiliser ma position</translation>
    </message>
    <message>
        <source>Asking for the position…</source>
        <translation>Demande de la position…</translation>
    </message>
    <message>
        <source>Position entered, accurate to ±%1 m.</source>
        <translation>Position saisie, précise à ±%1 m.</translation>
    </message>
    <message>
        <source>The browser was not allowed to give the position: nothing was changed.</source>
        <translation>Le navigateur n&apos;a pas été autorisé à donner la position : rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>The phone found no position fix: nothing was changed. Try again in the open.</source>
        <translation>Le téléphone n&apos;a trouvé aucune position : rien n&apos;a été modifié. Réessayez à découvert.</translation>
    </message>
    <message>
        <source>No position fix within %1 seconds: nothing was changed. Try again in the open.</source>
        <translation>Aucune position en %1 secondes : rien n&apos;a été modifié. Réessayez à découvert.</translation>
    </message>
    <message>
        <source>This browser cannot give a position: nothing was changed.</source>
        <translation>Ce navigateur ne peut pas donner de position : rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>Compass</source>
        <translation>Boussole</translation>
    </message>
    <message>
        <source>Allow the compass</source>
        <translation>Autoriser la boussole</translation>
    </message>
    <message>
        <source>Allow the motion sensors</source>
        <translation>Autoriser les capteurs de mouvement</translation>
    </message>
    <message>
        <source>The compass was not allowed. Allow motion and orientation for this site in the browser&apos;s settings.</source>
        <translation>La boussole n&apos;a pas été autorisée. Autorisez le mouvement et l&apos;orientation pour ce site dans les réglages du navigateur.</translation>
    </message>
    <message>
        <source>No compass reading: this phone or browser gives none, or it was not allowed.</source>
        <translation>Aucune mesure de boussole : ce téléphone ou ce navigateur n&apos;en donne pas, ou elle n&apos;a pas été autorisée.</translation>
    </message>
    <message>
        <source>Phone heading: %1° magnetic</source>
        <translation>Cap du téléphone : %1° magnétique</translation>
    </message>
    <message>
        <source>Phone heading: %1° true (geographic north)</source>
        <translation>Cap du téléphone : %1° vrai (nord géographique)</translation>
    </message>
    <message>
        <source>Magnetic bearing to face: %1°</source>
        <translation>Azimut magnétique à viser : %1°</translation>
    </message>
    <message>
        <source>True azimuth to face: %1°</source>
        <translation>Azimut vrai à viser : %1°</translation>
    </message>
    <message>
        <source>The page gives no magnetic bearing here (see its warnings), so there is nothing to turn to.</source>
        <translation>La page ne donne pas d&apos;azimut magnétique ici (voir ses alertes) : il n&apos;y a rien vers quoi tourner.</translation>
    </message>
    <message>
        <source>The satellite is below the horizon: there is nothing to turn to.</source>
        <translation>Le satellite est sous l&apos;horizon : il n&apos;y a rien vers quoi tourner.</translation>
    </message>
    <message>
        <source>Turn %1° right</source>
        <translation>Tournez de %1° à droite</translation>
    </message>
    <message>
        <source>Turn %1° left</source>
        <translation>Tournez de %1° à gauche</translation>
    </message>
    <message>
        <source>Facing the bearing</source>
        <translation>Dans l&apos;axe</translation>
    </message>
    <message>
        <source>Hold the phone flat, or upright with the camera ahead.</source>
        <translation>Tenez le téléphone à plat, ou debout avec la caméra vers l&apos;avant.</translation>
    </message>
    <message>
        <source>Accuracy the phone reports: ±%1°</source>
        <translation>Précision indiquée par le téléphone : ±%1°</translation>
    </message>
    <message>
        <source>The phone reports its compass as uncalibrated.</source>
        <translation>Le téléphone indique que sa boussole n&apos;est pas étalonnée.</translation>
    </message>
    <message>
        <source>The phone reports no accuracy: if the heading drifts or jumps, calibrate it with a figure eight.</source>
        <translation>Le téléphone n&apos;indique pas de précision : si le cap dérive ou saute, étalonnez la boussole en décrivant un huit.</translation>
    </message>
    <message>
        <source>The compass is inaccurate: move the phone a few times in a figure eight to calibrate it.</source>
        <translation>La boussole est imprécise : décrivez quelques huit avec le téléphone pour l&apos;étalonner.</translation>
    </message>
    <message>
        <source>Hold the phone flat, a few steps away from the dish, the mast and other metal: they pull the compass off.</source>
        <translation>Tenez le téléphone à plat, à quelques pas de la parabole, du mât et de tout métal : ils faussent la boussole.</translation>
    </message>
    <message>
        <source>Inclinometer</source>
        <translation>Inclinomètre</translation>
    </message>
    <message>
        <source>The motion sensors were not allowed. Allow motion and orientation for this site in the browser&apos;s settings.</source>
        <translation>Les capteurs de mouvement n&apos;ont pas été autorisés. Autorisez le mouvement et l&apos;orientation pour ce site dans les réglages du navigateur.</translation>
    </message>
    <message>
        <source>No tilt reading: this phone or browser gives none, or it was not allowed.</source>
        <translation>Aucune mesure d&apos;inclinaison : ce téléphone ou ce navigateur n&apos;en donne pas, ou elle n&apos;a pas été autorisée.</translation>
    </message>
    <message>
        <source>Hold the back of the phone flat against the back of the dish, the screen towards you, upright or sideways.</source>
        <translation>Plaquez le dos du téléphone contre l&apos;arrière de la parabole, l&apos;écran vers vous, debout ou couché.</translation>
    </message>
    <message>
        <source>Measured elevation: %1°</source>
        <translation>Élévation mesurée : %1°</translation>
    </message>
    <message>
        <source>Target elevation: %1°</source>
        <translation>Élévation visée : %1°</translation>
    </message>
    <message>
        <source>No target: the satellite is below the horizon.</source>
        <translation>Pas de consigne : le satellite est sous l&apos;horizon.</translation>
    </message>
    <message>
        <source>Measured face tilt: %1</source>
        <translation>Inclinaison mesurée : %1</translation>
    </message>
    <message>
        <source>Target face tilt: %1</source>
        <translation>Inclinaison visée : %1</translation>
    </message>
    <message>
        <source>Raise %1°</source>
        <translation>Montez de %1°</translation>
    </message>
    <message>
        <source>Lower %1°</source>
        <translation>Descendez de %1°</translation>
    </message>
    <message>
        <source>On target</source>
        <translation>Réglage atteint</translation>
    </message>
    <message>
        <source>To take off the phone&apos;s own error, lay it on its back on a surface you know is level and tap Zero.</source>
        <translation>Pour retirer l&apos;erreur propre du téléphone, posez-le sur le dos sur une surface que vous savez de niveau et touchez Zéro.</translation>
    </message>
    <message>
        <source>Zero</source>
        <translation>Zéro</translation>
    </message>
    <message>
        <source>Clear the zero</source>
        <translation>Effacer le zéro</translation>
    </message>
    <message>
        <source>Zeroed: the phone&apos;s own error of %1° is taken off.</source>
        <translation>Zéro fait : l&apos;erreur propre du téléphone de %1° est retirée.</translation>
    </message>
    <message>
        <source>Not zeroed: the phone&apos;s reading is used as it is.</source>
        <translation>Pas de zéro : la mesure du téléphone est prise telle quelle.</translation>
    </message>
    <message>
        <source>The phone lies %1° off level: lay it on a level surface and try again.</source>
        <translation>Le téléphone est à %1° du niveau : posez-le sur une surface de niveau et réessayez.</translation>
    </message>
    <message>
        <source>Sky view</source>
        <translation>Vue du ciel</translation>
    </message>
    <message>
        <source>Show the arc over the camera picture</source>
        <translation>Afficher l&apos;arc sur l&apos;image de la caméra</translation>
    </message>
    <message>
        <source>Stop the camera</source>
        <translation>Arrêter la caméra</translation>
    </message>
    <message>
        <source>The camera was not allowed: the sky diagram shows the arc instead.</source>
        <translation>La caméra n&apos;a pas été autorisée : le diagramme du ciel montre l&apos;arc à la place.</translation>
    </message>
    <message>
        <source>No camera could be opened (%1): the sky diagram shows the arc instead.</source>
        <translation>Aucune caméra n&apos;a pu être ouverte (%1) : le diagramme du ciel montre l&apos;arc à la place.</translation>
    </message>
    <message>
        <source>%1: elevation %2°, azimuth %3°</source>
        <translation>%1 : élévation %2°, azimut %3°</translation>
    </message>
    <message>
        <source>The chosen satellite is below the horizon.</source>
        <translation>Le satellite choisi est sous l&apos;horizon.</translation>
    </message>
    <message>
        <source>Above the horizon: satellite positions %1</source>
        <translation>Au-dessus de l&apos;horizon : positions %1</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>de %1 à %2</translation>
    </message>
    <message>
        <source>No part of the arc is above the horizon here.</source>
        <translation>Ici, aucune partie de l&apos;arc n&apos;est au-dessus de l&apos;horizon.</translation>
    </message>
    <message>
        <source>The arc&apos;s positions</source>
        <translation>Positions de l&apos;arc</translation>
    </message>
    <message>
        <source>The chosen satellite is %1 and %2 of the cross.</source>
        <translation>Par rapport à la croix, le satellite choisi est %1 et %2.</translation>
    </message>
    <message>
        <source>%1° right</source>
        <translation>%1° à droite</translation>
    </message>
    <message>
        <source>%1° left</source>
        <translation>%1° à gauche</translation>
    </message>
    <message>
        <source>%1° up</source>
        <translation>%1° plus haut</translation>
    </message>
    <message>
        <source>%1° down</source>
        <translation>%1° plus bas</translation>
    </message>
    <message>
        <source>Calibrate the view</source>
        <translation>Étalonner la vue</translation>
    </message>
    <message>
        <source>The cross is on the object</source>
        <translation>La croix est sur l&apos;objet</translation>
    </message>
    <message>
        <source>The object is in the ring</source>
        <translation>L&apos;objet est dans l&apos;anneau</translation>
    </message>
    <message>
        <source>Put the cross on a distant object (a chimney, a mast), then tap the button.</source>
        <translation>Placez la croix sur un objet éloigné (une cheminée, un mât), puis touchez le bouton.</translation>
    </message>
    <message>
        <source>Turn the phone until the same object sits in the ring, then tap the button.</source>
        <translation>Tournez le téléphone jusqu&apos;à ce que le même objet soit dans l&apos;anneau, puis touchez le bouton.</translation>
    </message>
    <message>
        <source>Calibrated: the picture spans %1° across.</source>
        <translation>Étalonné : l&apos;image couvre %1° en largeur.</translation>
    </message>
    <message>
        <source>That gives %1° across the picture, which no phone camera has: nothing was changed. Try again with a more distant object.</source>
        <translation>Cela donne %1° en largeur, ce qu&apos;aucune caméra de téléphone n&apos;a : rien n&apos;a été modifié. Réessayez avec un objet plus éloigné.</translation>
    </message>
    <message>
        <source>Margin above the obstacle (degrees)</source>
        <translation>Marge au-dessus de l&apos;obstacle (degrés)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not taken. %2</source>
        <translation>« %1 » n&apos;est pas accepté. %2</translation>
    </message>
    <message>
        <source>Enter a date from %1 to %2.</source>
        <translation>Saisissez une date du %1 au %2.</translation>
    </message>
    <message>
        <source>The sun and the shadow</source>
        <translation>Le soleil et l&apos;ombre</translation>
    </message>
    <message>
        <source>Sun outages</source>
        <translation>Interférences solaires</translation>
    </message>
    <message>
        <source>What blocks the view</source>
        <translation>Ce qui masque la vue</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Soleil</translation>
    </message>
    <message>
        <source>Calibrate on the sun</source>
        <translation>Étalonner sur le soleil</translation>
    </message>
    <message>
        <source>Never look at the sun through the camera&apos;s eyepiece, nor with the naked eye for long: look at the sun on the screen only.</source>
        <translation>Ne regardez jamais le soleil à travers le viseur d&apos;un appareil photo, ni longtemps à l&apos;œil nu : regardez le soleil uniquement sur l&apos;écran.</translation>
    </message>
    <message>
        <source>Hold the phone upright with the camera towards the sun, turn it until the sun on the screen sits inside the marked circle, then tap the button.</source>
        <translation>Tenez le téléphone debout, l&apos;objectif vers le soleil, tournez-le jusqu&apos;à ce que le soleil à l&apos;écran soit dans le cercle marqué, puis touchez le bouton.</translation>
    </message>
    <message>
        <source>The sun is in the circle</source>
        <translation>Le soleil est dans le cercle</translation>
    </message>
    <message>
        <source>The sun is below the horizon now: calibrate on it by day.</source>
        <translation>Le soleil est sous l&apos;horizon : étalonnez sur lui de jour.</translation>
    </message>
    <message>
        <source>true north, from the sun, just now</source>
        <translation>nord géographique, d&apos;après le soleil, à l&apos;instant</translation>
    </message>
    <message>
        <source>true north, from the sun, 1 minute ago</source>
        <translation>nord géographique, d&apos;après le soleil, il y a 1 minute</translation>
    </message>
    <message>
        <source>true north, from the sun, %1 minutes ago</source>
        <translation>nord géographique, d&apos;après le soleil, il y a %1 minutes</translation>
    </message>
    <message>
        <source>The correction from the sun was dropped after 15 minutes: calibrate on the sun again.</source>
        <translation>La correction d&apos;après le soleil a été abandonnée après 15 minutes : étalonnez à nouveau sur le soleil.</translation>
    </message>
    <message>
        <source>The correction from the sun was dropped: the phone reported a jump in the compass&apos;s accuracy. Calibrate on the sun again.</source>
        <translation>La correction d&apos;après le soleil a été abandonnée : le téléphone a signalé un saut de précision de la boussole. Étalonnez à nouveau sur le soleil.</translation>
    </message>
    <message>
        <source>Loading the section…</source>
        <translation>Chargement de la section…</translation>
    </message>
    <message>
        <source>The section could not be loaded: %1</source>
        <translation>La section n’a pas pu être chargée : %1</translation>
    </message>
    <message>
        <source>Tap a satellite to point the alignment page at it.</source>
        <translation>Touchez un satellite pour que la page d’alignement le vise.</translation>
    </message>
    <message>
        <source>Sight the top of the obstacle</source>
        <translation>Viser le sommet de l&apos;obstacle</translation>
    </message>
    <message>
        <source>To check a tree or a wall: stand at the dish, lay the phone&apos;s long edge along the line to the obstacle&apos;s top, in the satellite&apos;s direction, and read how far the satellite clears it.</source>
        <translation>Pour vérifier un arbre ou un mur : depuis la parabole, alignez le grand côté du téléphone sur la ligne vers le sommet de l&apos;obstacle, dans la direction du satellite, et lisez de combien le satellite le dégage.</translation>
    </message>
    <message>
        <source>The obstacle&apos;s top: %1° above the horizontal</source>
        <translation>Sommet de l&apos;obstacle : %1° au-dessus de l&apos;horizontale</translation>
    </message>
    <message>
        <source>clear by %1°</source>
        <translation>dégagé de %1°</translation>
    </message>
    <message>
        <source>blocked by %1°</source>
        <translation>masqué de %1°</translation>
    </message>
    <message>
        <source>%1: %2 is outside %3 to %4 %5.</source>
        <translation>%1 : %2 est hors de %3 à %4 %5.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a number; allowed: %3 to %4 %5.</source>
        <translation>%1 : « %2 » n&apos;est pas un nombre ; admis : de %3 à %4 %5.</translation>
    </message>
    <message>
        <source>%1 is not a page; the pages are %2.</source>
        <translation>%1 n&apos;est pas une page ; les pages sont %2.</translation>
    </message>
    <message>
        <source>Kestrion %1 — every figure as the web app shows it</source>
        <translation>Kestrion %1 — toutes les valeurs telles que l’application web les affiche</translation>
    </message>
</context>
<context>
    <name>kestrion::desktop::AboutWindow</name>
    <message>
        <source>Kestrion is free: you may copy it and pass it on to anyone you like. The latest version can always be downloaded from :</source>
        <translation>Kestrion est libre : vous pouvez le copier et le donner à qui vous voulez. La dernière version est toujours sur :</translation>
    </message>
    <message>
        <source>About Kestrion</source>
        <translation>À propos de Kestrion</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>kestrion::ui::AngleEditor</name>
    <message>
        <source>Type the latitude</source>
        <translation>Saisissez la latitude</translation>
    </message>
    <message>
        <source>Type the longitude</source>
        <translation>Saisissez la longitude</translation>
    </message>
    <message>
        <source>Type the satellite position or name</source>
        <translation>Saisissez la position ou le nom du satellite</translation>
    </message>
</context>
<context>
    <name>kestrion::ui::JobMenus</name>
    <message>
        <source>&amp;Sites</source>
        <translation>&amp;Sites</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Save site…</source>
        <translation>&amp;Enregistrer le site…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Imprimer…</translation>
    </message>
    <message>
        <source>&amp;Export PDF…</source>
        <translation>E&amp;xporter en PDF…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>No saved sites</source>
        <translation>Aucun site enregistré</translation>
    </message>
    <message>
        <source>&amp;Rename site…</source>
        <translation>&amp;Renommer le site…</translation>
    </message>
    <message>
        <source>&amp;Delete site…</source>
        <translation>&amp;Supprimer le site…</translation>
    </message>
    <message numerus="yes">
        <source>%n saved site(s) could not be read…</source>
        <translation>
            <numerusform>Impossible de lire %n site enregistré…</numerusform>
            <numerusform>Impossible de lire %n sites enregistrés…</numerusform>
        </translation>
    </message>
    <message>
        <source>Saved sites</source>
        <translation>Sites enregistrés</translation>
    </message>
    <message>
        <source>Save site</source>
        <translation>Enregistrer le site</translation>
    </message>
    <message>
        <source>Name of the site:</source>
        <translation>Nom du site :</translation>
    </message>
    <message>
        <source>A site needs a name; nothing was saved.</source>
        <translation>Un site doit avoir un nom ; rien n&apos;a été enregistré.</translation>
    </message>
    <message>
        <source>A site named &quot;%1&quot; is saved already. Replace it?</source>
        <translation>Un site nommé « %1 » est déjà enregistré. Le remplacer ?</translation>
    </message>
    <message>
        <source>Saved site:</source>
        <translation>Site enregistré :</translation>
    </message>
    <message>
        <source>Rename site</source>
        <translation>Renommer le site</translation>
    </message>
    <message>
        <source>New name:</source>
        <translation>Nouveau nom :</translation>
    </message>
    <message>
        <source>Delete site</source>
        <translation>Supprimer le site</translation>
    </message>
    <message>
        <source>Delete the saved site &quot;%1&quot;?</source>
        <translation>Supprimer le site enregistré « %1 » ?</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>job sheet</source>
        <translation>fiche d&apos;intervention</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>Exporter en PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
</context>
<context>
    <name>kestrion::ui::MainWindow</name>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>%1° leans back</source>
        <translation>%1° vers l&apos;arrière</translation>
    </message>
    <message>
        <source>%1° leans forward</source>
        <translation>%1° vers l&apos;avant</translation>
    </message>
    <message>
        <source>%1° upright</source>
        <translation>%1° verticale</translation>
    </message>
    <message>
        <source>No magnetic model: no magnetic bearing.</source>
        <translation>Pas de modèle magnétique : pas d&apos;azimut magnétique.</translation>
    </message>
    <message>
        <source>Date outside the magnetic model (2025 to 2029).</source>
        <translation>Date hors du modèle magnétique (2025 à 2029).</translation>
    </message>
    <message>
        <source>Weak magnetic field: a compass is unreliable here.</source>
        <translation>Champ magnétique faible : une boussole n&apos;est pas fiable ici.</translation>
    </message>
    <message>
        <source>Below the horizon: not visible from this site.</source>
        <translation>Sous l&apos;horizon : invisible depuis ce site.</translation>
    </message>
    <message>
        <source>At a pole the azimuth is arbitrary.</source>
        <translation>Au pôle, l&apos;azimut est arbitraire.</translation>
    </message>
    <message>
        <source>The magnetic model does not cover this date.</source>
        <translation>Le modèle magnétique ne couvre pas cette date.</translation>
    </message>
    <message>
        <source>%1: not this position</source>
        <translation>%1 : pas à cette position</translation>
    </message>
    <message>
        <source>&amp;Rain availability (ITU-R)…</source>
        <translation>&amp;Disponibilité sous la pluie (UIT-R)…</translation>
    </message>
    <message>
        <source>The &amp;sun: direction, outages, obstacles…</source>
        <translation>Le &amp;soleil : direction, éclipses, obstacles…</translation>
    </message>
    <message>
        <source>&amp;Motor and multifeed…</source>
        <translation>&amp;Moteur et multifeed…</translation>
    </message>
</context>
<context>
    <name>kestrion::ui::MotorDialog</name>
    <message>
        <source>east</source>
        <translation>est</translation>
    </message>
    <message>
        <source>west</source>
        <translation>ouest</translation>
    </message>
    <message>
        <source>on the meridian</source>
        <translation>sur le méridien</translation>
    </message>
    <message>
        <source>Motor and multifeed</source>
        <translation>Moteur et multifeed</translation>
    </message>
    <message>
        <source>Satellites visible from here</source>
        <translation>Satellites visibles d&apos;ici</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellite</translation>
    </message>
    <message>
        <source>Elevation</source>
        <translation>Élévation</translation>
    </message>
    <message>
        <source>Azimuth</source>
        <translation>Azimut</translation>
    </message>
    <message>
        <source>Skew</source>
        <translation>Rotation LNB</translation>
    </message>
    <message>
        <source>Motor</source>
        <translation>Moteur</translation>
    </message>
    <message>
        <source>Motor (DiSEqC 1.2, USALS) on a polar mount</source>
        <translation>Moteur (DiSEqC 1.2, USALS) sur monture polaire</translation>
    </message>
    <message>
        <source>How far the motor turns either side of the meridian, 1 to 90 degrees</source>
        <translation>Jusqu&apos;où le moteur tourne de chaque côté du méridien, de 1 à 90 degrés</translation>
    </message>
    <message>
        <source>Motor limit (deg)</source>
        <translation>Limite du moteur (degrés)</translation>
    </message>
    <message>
        <source>Motor angle</source>
        <translation>Angle du moteur</translation>
    </message>
    <message>
        <source>DiSEqC Goto angular position, after Eutelsat&apos;s positioner application note</source>
        <translation>DiSEqC « Goto angular position », selon la note d&apos;application des positionneurs d&apos;Eutelsat</translation>
    </message>
    <message>
        <source>DiSEqC command</source>
        <translation>Commande DiSEqC</translation>
    </message>
    <message>
        <source>Polar mount</source>
        <translation>Monture polaire</translation>
    </message>
    <message>
        <source>Second LNB (multifeed)</source>
        <translation>Second LNB (multifeed)</translation>
    </message>
    <message>
        <source>Second satellite</source>
        <translation>Second satellite</translation>
    </message>
    <message>
        <source>By name or position, e.g. Hotbird 13E or 13E</source>
        <translation>Par nom ou position, p. ex. Hotbird 13E ou 13E</translation>
    </message>
    <message>
        <source>Dish diameter (m)</source>
        <translation>Diamètre de la parabole (m)</translation>
    </message>
    <message>
        <source>Focal length (m)</source>
        <translation>Distance focale (m)</translation>
    </message>
    <message>
        <source>For an offset dish, the focal length of the parent paraboloid it is cut from</source>
        <translation>Pour une parabole offset, la focale du paraboloïde parent dans lequel elle est découpée</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not taken. Enter a number of degrees either side of the meridian from %2 to %3.</source>
        <translation>« %1 » n&apos;est pas accepté. Saisissez un nombre de degrés de part et d&apos;autre du méridien, de %2 à %3.</translation>
    </message>
    <message>
        <source>elevation scale %1, declination offset %2, dish elevation %3</source>
        <translation>échelle d&apos;élévation %1, décalage de déclinaison %2, élévation de la parabole %3</translation>
    </message>
    <message>
        <source>The satellite is beyond the motor&apos;s limit of %1: the motor cannot turn the dish to it.</source>
        <translation>Le satellite est au-delà de la limite du moteur de %1 : le moteur ne peut pas y tourner la parabole.</translation>
    </message>
    <message>
        <source>Separation %1; second LNB %2 mm %3 of the first, seen from behind the dish; rail tilt %4; its skew %5</source>
        <translation>Écart %1 ; second LNB à %2 mm à l&apos;%3 du premier, vu de derrière la parabole ; inclinaison du rail %4 ; sa rotation %5</translation>
    </message>
    <message>
        <source>Under 40 mm: two LNB bodies do not fit side by side; use a twin (monoblock) LNB.</source>
        <translation>Moins de 40 mm : deux LNB ne tiennent pas côte à côte ; prenez un LNB monobloc.</translation>
    </message>
    <message>
        <source>The second satellite is below the horizon here.</source>
        <translation>Le second satellite est ici sous l&apos;horizon.</translation>
    </message>
    <message>
        <source>Magnetic bearing</source>
        <translation>Relèvement magnétique</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not taken. Enter the dish&apos;s diameter in metres, from %2 to %3.</source>
        <translation>« %1 » n&apos;est pas accepté. Saisissez le diamètre de la parabole en mètres, de %2 à %3.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not taken. Enter the focal length in metres, from %2 to %3.</source>
        <translation>« %1 » n&apos;est pas accepté. Saisissez la distance focale en mètres, de %2 à %3.</translation>
    </message>
    <message>
        <source>A focal length of %1 m on a dish of %2 m is no dish&apos;s (F/D %3). Enter a focal length from %4 to %5 times the diameter; for an offset dish, that of the parent paraboloid.</source>
        <translation>Aucune parabole n&apos;a une focale de %1 m pour %2 m de diamètre (F/D %3). Saisissez une focale de %4 à %5 fois le diamètre ; pour une parabole offset, celle du paraboloïde parent.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is at the main satellite&apos;s position, %2. Enter a satellite at another position.</source>
        <translation>« %1 » est à la position du satellite principal, %2. Saisissez un satellite à une autre position.</translation>
    </message>
    <message>
        <source>No figures for the second LNB: a floating-point fault (%1).</source>
        <translation>Pas de valeurs pour le second LNB : une erreur de virgule flottante (%1).</translation>
    </message>
</context>
<context>
    <name>kestrion::ui::RainAvailabilityDialog</name>
    <message>
        <source>Rain availability (ITU-R)</source>
        <translation>Disponibilité sous la pluie (UIT-R)</translation>
    </message>
    <message>
        <source>Link and rain</source>
        <translation>Liaison et pluie</translation>
    </message>
    <message>
        <source>Availability</source>
        <translation>Disponibilité</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Choisir…</translation>
    </message>
    <message>
        <source>Nothing was changed:</source>
        <translation>Rien n&apos;a été modifié :</translation>
    </message>
    <message>
        <source>not used</source>
        <translation>non utilisée</translation>
    </message>
    <message>
        <source>Change on the C/N page</source>
        <translation>Modifier sur la page C/N</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not taken. Enter a frequency from %2 to %3 GHz.</source>
        <translation>« %1 » n&apos;est pas accepté. Saisissez une fréquence de %2 à %3 GHz.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not taken. Enter an elevation above %2 and up to %3 degrees.</source>
        <translation>« %1 » n&apos;est pas accepté. Saisissez une élévation supérieure à %2 et jusqu&apos;à %3 degrés.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not taken. Enter a latitude from %2 to %3 degrees.</source>
        <translation>« %1 » n&apos;est pas accepté. Saisissez une latitude de %2 à %3 degrés.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not taken. Enter a rain rate from %2 to %3 mm/h.</source>
        <translation>« %1 » n&apos;est pas accepté. Saisissez une intensité de pluie de %2 à %3 mm/h.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not taken. Enter a rain height from %2 to %3 km above sea level.</source>
        <translation>« %1 » n&apos;est pas accepté. Saisissez une hauteur de pluie de %2 à %3 km au-dessus du niveau de la mer.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not taken. Enter the station&apos;s height from %2 to %3 km above sea level.</source>
        <translation>« %1 » n&apos;est pas accepté. Saisissez l&apos;altitude de la station de %2 à %3 km au-dessus du niveau de la mer.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not taken. Enter a tilt from %2 to %3 degrees from the horizontal, or horizontal, vertical or circular.</source>
        <translation>« %1 » n&apos;est pas accepté. Saisissez une inclinaison de %2 à %3 degrés par rapport à l&apos;horizontale, ou horizontal, vertical ou circular.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not taken. Enter percentages of the year from %2 to %3, several separated by commas.</source>
        <translation>« %1 » n&apos;est pas accepté. Saisissez des pourcentages de l&apos;année de %2 à %3, plusieurs séparés par des virgules.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not taken. Choose a zone letter of the ITU-R P.837-1 table: %2.</source>
        <translation>« %1 » n&apos;est pas accepté. Choisissez une lettre de zone de la table de l&apos;UIT-R P.837-1 : %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not taken. Enter a C/N from %2 to %3 dB, or a DVB-S2 modulation and code rate such as &quot;8PSK 3/5&quot;.</source>
        <translation>« %1 » n&apos;est pas accepté. Saisissez un C/N de %2 à %3 dB, ou une modulation et un rendement de code DVB-S2 comme « 8PSK 3/5 ».</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not taken. Enter a target from %2 to %3 % of the year.</source>
        <translation>« %1 » n&apos;est pas accepté. Saisissez un objectif de %2 à %3 % de l&apos;année.</translation>
    </message>
    <message>
        <source>the station height is in km (%1 m is %2)</source>
        <translation>l&apos;altitude de la station s&apos;exprime en km (%1 m font %2)</translation>
    </message>
    <message>
        <source>DVB-S2 has no %1; its %2 code rates are %3</source>
        <translation>DVB-S2 n&apos;a pas de %1 ; ses rendements de code %2 sont %3</translation>
    </message>
</context>
<context>
    <name>kestrion::ui::TabControl</name>
    <message>
        <source>Pages</source>
        <translation>Pages</translation>
    </message>
</context>
<context>
    <name>kestrion::ui::SunDialog</name>
    <message>
        <source>Enter a whole number from %1 to %2.</source>
        <translation>Saisissez un nombre entier de %1 à %2.</translation>
    </message>
    <message>
        <source>Enter a number above %1 up to %2.</source>
        <translation>Saisissez un nombre supérieur à %1, jusqu&apos;à %2.</translation>
    </message>
    <message>
        <source>Enter a number from %1 to %2.</source>
        <translation>Saisissez un nombre de %1 à %2.</translation>
    </message>
    <message>
        <source>At %1 a plumb line&apos;s shadow points the way the dish must face (the sun %2 high).</source>
        <translation>À %1, l&apos;ombre d&apos;un fil à plomb indique la direction que doit viser la parabole (soleil à %2).</translation>
    </message>
    <message>
        <source>At %1 face the sun: that is the dish&apos;s direction (the sun %2 high).</source>
        <translation>À %1, faites face au soleil : c&apos;est la direction de la parabole (soleil à %2).</translation>
    </message>
    <message>
        <source>No shadow points the dish&apos;s way this day: the sun stands opposite the dish only below the horizon, or never.</source>
        <translation>Ce jour-là, aucune ombre n&apos;indique la direction de la parabole : le soleil ne lui fait face que sous l&apos;horizon, ou jamais.</translation>
    </message>
    <message>
        <source>The sun does not stand in the dish&apos;s direction this day while above the horizon.</source>
        <translation>Ce jour-là, le soleil ne passe pas dans la direction de la parabole au-dessus de l&apos;horizon.</translation>
    </message>
    <message>
        <source>The sun: direction, outages and obstacles</source>
        <translation>Le soleil : direction, éclipses solaires et obstacles</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Dish diameter (m)</source>
        <translation>Diamètre de la parabole (m)</translation>
    </message>
    <message>
        <source>Frequency (GHz)</source>
        <translation>Fréquence (GHz)</translation>
    </message>
    <message>
        <source>Days of outages</source>
        <translation>Jours de prévision</translation>
    </message>
    <message>
        <source>Obstacle&apos;s height above the dish (m)</source>
        <translation>Hauteur de l&apos;obstacle au-dessus de la parabole (m)</translation>
    </message>
    <message>
        <source>Obstacle&apos;s distance (m)</source>
        <translation>Distance de l&apos;obstacle (m)</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>Peak</source>
        <translation>Maximum</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Separation</source>
        <translation>Écart</translation>
    </message>
    <message>
        <source>Enter the obstacle&apos;s height and its distance.</source>
        <translation>Saisissez la hauteur et la distance de l&apos;obstacle.</translation>
    </message>
    <message>
        <source>The satellite is below the horizon: the sun can show no direction to it and causes no outage.</source>
        <translation>Le satellite est sous l&apos;horizon : le soleil ne peut indiquer aucune direction vers lui et ne cause aucune éclipse.</translation>
    </message>
    <message>
        <source>The dish faces %1 from true north, %2 up. Times in %3.</source>
        <translation>La parabole vise %1 depuis le nord géographique, à %2 de hauteur. Heures en %3.</translation>
    </message>
    <message>
        <source>Beamwidth %1, so the sun disturbs the dish within %2 of the satellite.</source>
        <translation>Ouverture du faisceau %1 : le soleil perturbe la parabole à moins de %2 du satellite.</translation>
    </message>
    <message>
        <source>The sun never reaches the satellite from this site.</source>
        <translation>Depuis ce site, le soleil n&apos;atteint jamais le satellite.</translation>
    </message>
    <message>
        <source>No sun outage in the days asked for.</source>
        <translation>Aucune éclipse solaire sur les jours demandés.</translation>
    </message>
    <message>
        <source>Sun outages in the days asked for: within each window the sun adds its own noise to the dish&apos;s, so the picture may break up for the window&apos;s minutes, every year, and nothing is wrong with the installation.</source>
        <translation>Éclipses solaires sur les jours demandés : dans chaque fenêtre, le soleil ajoute son propre bruit à celui de la parabole. L&apos;image peut se dégrader pendant ces minutes, chaque année, sans que l&apos;installation soit en cause.</translation>
    </message>
    <message>
        <source>Enter an obstacle&apos;s height and distance to see whether it blocks the satellite.</source>
        <translation>Saisissez la hauteur et la distance d&apos;un obstacle pour savoir s&apos;il masque le satellite.</translation>
    </message>
    <message>
        <source>Its top stands %1 above the horizontal.</source>
        <translation>Son sommet est à %1 au-dessus de l&apos;horizontale.</translation>
    </message>
    <message>
        <source>The satellite clears it by %1.</source>
        <translation>Le satellite passe %1 au-dessus.</translation>
    </message>
    <message>
        <source>It blocks the satellite by %1.</source>
        <translation>Il masque le satellite de %1.</translation>
    </message>
    <message>
        <source>To clear it by %1 it must stand at least %2 away.</source>
        <translation>Pour le dégager de %1, il doit être à au moins %2.</translation>
    </message>
    <message>
        <source>No distance clears it by %1: the satellite stands no higher.</source>
        <translation>Aucune distance ne le dégage de %1 : le satellite n&apos;est pas plus haut.</translation>
    </message>
</context>
<context>
    <name>kestrion::ui::RangeBox</name>
    <message>
        <source>%1 is outside %2 to %3%4; %5 kept</source>
        <translation>%1 est hors de %2 à %3%4 ; %5 conservé</translation>
    </message>
</context>
</TS>
