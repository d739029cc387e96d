<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>AngleText</name>
    <message>
        <source>Nothing was typed.</source>
        <translation>Non è stato scritto nulla.</translation>
    </message>
    <message>
        <source>That is not an angle.</source>
        <translation>Non è un angolo.</translation>
    </message>
    <message>
        <source>A minus or plus sign cannot be used with a hemisphere letter.</source>
        <translation>Un segno meno o più non può essere usato con una lettera di emisfero.</translation>
    </message>
    <message>
        <source>Only one hemisphere letter is allowed.</source>
        <translation>È ammessa una sola lettera di emisfero.</translation>
    </message>
    <message>
        <source>That hemisphere letter does not fit here.</source>
        <translation>Questa lettera di emisfero non è valida qui.</translation>
    </message>
    <message>
        <source>Only the last of degrees, minutes and seconds may have decimals.</source>
        <translation>Solo l&apos;ultimo valore tra gradi, minuti e secondi può avere decimali.</translation>
    </message>
    <message>
        <source>Minutes must be below 60.</source>
        <translation>I minuti devono essere inferiori a 60.</translation>
    </message>
    <message>
        <source>Seconds must be below 60.</source>
        <translation>I secondi devono essere inferiori a 60.</translation>
    </message>
    <message>
        <source>That is out of range.</source>
        <translation>Il valore è fuori dall&apos;intervallo ammesso.</translation>
    </message>
    <message>
        <source>That is neither a position nor the name of a listed satellite.</source>
        <translation>Non è né una posizione né il nome di un satellite in elenco.</translation>
    </message>
    <message>
        <source>Latitude: -90 to 90 degrees, N or S, e.g. 52.52, -33.9247, 33.9247S, 33°55&apos;29&quot;S, 33 55 29 S or 33°55.48&apos;S.</source>
        <translation>Latitudine: da -90 a 90 gradi, N o S, ad es. 52.52, -33.9247, 33.9247S, 33°55&apos;29&quot;S, 33 55 29 S o 33°55.48&apos;S.</translation>
    </message>
    <message>
        <source>Longitude: -180 to 180 degrees, E or W, e.g. 13.405, -5, 5W, W5, 13°24&apos;18&quot;E or 13 24 18 E.</source>
        <translation>Longitudine: da -180 a 180 gradi, E o O (anche W per ovest), ad es. 13.405, -5, 5O, O5, 13°24&apos;18&quot;E o 13 24 18 E.</translation>
    </message>
    <message>
        <source>Satellite position: -180 to 180 degrees, E or W, e.g. 19.2E, 19,2, -5, 5W or 30°0&apos;W, or a satellite name such as Astra 19.2E.</source>
        <translation>Posizione del satellite: da -180 a 180 gradi, E o O (anche W per ovest), ad es. 19.2E, 19,2, -5, 5O o 30°0&apos;O, oppure un nome di satellite come Astra 19.2E.</translation>
    </message>
    <message>
        <source>That name does not single out one satellite; it fits %1.</source>
        <translation>Questo nome non individua un solo satellite; corrisponde a %1.</translation>
    </message>
</context>
<context>
    <name>Browser</name>
    <message>
        <source> could not find a file association for </source>
        <translation> non ha trovato un&apos;associazione di file per </translation>
    </message>
    <message>
        <source> on your system. You should check that your browser</source>
        <translation> sul sistema. Verificare che il browser</translation>
    </message>
    <message>
        <source>is correctly installed and associated with this type of file.</source>
        <translation>sia installato correttamente e associato a questo tipo di file.</translation>
    </message>
    <message>
        <source> had a problem running your web browser.</source>
        <translation> ha avuto un problema nell&apos;avviare il browser web.</translation>
    </message>
    <message>
        <source>You should check that your browser is correctly installed.</source>
        <translation>Verificare che il browser sia installato correttamente.</translation>
    </message>
    <message>
        <source>(Error</source>
        <translation>(Errore</translation>
    </message>
    <message>
        <source>)</source>
        <translation>)</translation>
    </message>
    <message>
        <source>Browser Unavailable</source>
        <translation>Browser non disponibile</translation>
    </message>
</context>
<context>
    <name>Caption</name>
    <message>
        <source>LNB skew direction</source>
        <translation>Verso di rotazione dell'LNB</translation>
    </message>
    <message>
        <source>LNB Noise Figure (dB)</source>
        <translation>Rumore LNB (dB)</translation>
    </message>
    <message>
        <source>Gain LNB (dB)</source>
        <translation>Guad. LNB (dB)</translation>
    </message>
    <message>
        <source>Cable Loss (dB)</source>
        <translation>Perdita cavo (dB)</translation>
    </message>
    <message>
        <source>IF amplifier noise figure (dB)</source>
        <translation>Cifra di rumore ampl. FI (dB)</translation>
    </message>
    <message>
        <source>Noise Figure (dB)</source>
        <translation>Cifra di rumore (dB)</translation>
    </message>
    <message>
        <source>Noise Temperature (K)</source>
        <translation>Temperatura di rumore (K)</translation>
    </message>
    <message>
        <source>Feed Losses (dB)</source>
        <translation>Perdite feed (dB)</translation>
    </message>
    <message>
        <source>Dish Diameter (m)</source>
        <translation>Diam. parabola (m)</translation>
    </message>
    <message>
        <source>Efficiency (%)</source>
        <translation>Efficienza (%)</translation>
    </message>
    <message>
        <source>Frequency (GHz)</source>
        <translation>Frequenza (GHz)</translation>
    </message>
    <message>
        <source>Antenna noise temperature (K)</source>
        <translation>Temp. rumore antenna (K)</translation>
    </message>
    <message>
        <source>Receiver Noise Figure (dB)</source>
        <translation>Cifra di rumore ricevitore (dB)</translation>
    </message>
    <message>
        <source>IF Amplifier Gain (dB)</source>
        <translation>Guadagno FI (dB)</translation>
    </message>
    <message>
        <source>System Noise Figure (dB)</source>
        <translation>Cifra di rumore del sistema (dB)</translation>
    </message>
    <message>
        <source>Antenna Gain (dB)</source>
        <translation>Guad. (dB)</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Latitud.</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Longitud.</translation>
    </message>
    <message>
        <source>Satellite position</source>
        <translation>Posizione satellite</translation>
    </message>
    <message>
        <source>Eirp (dBW)</source>
        <translation>EIRP (dBW)</translation>
    </message>
    <message>
        <source>Dish Diameter (cm)</source>
        <translation>Diametro parabola (cm)</translation>
    </message>
    <message>
        <source>Antenna Efficiency  (%)</source>
        <translation>Efficienza antenna (%)</translation>
    </message>
    <message>
        <source>Antenna Noise Temp. (K)</source>
        <translation>Temp. rumore antenna (K)</translation>
    </message>
    <message>
        <source>System Noise Figure</source>
        <translation>Cifra rumore sistema</translation>
    </message>
    <message>
        <source>Bandwidth (MHz)</source>
        <translation>Largh. banda (MHz)</translation>
    </message>
    <message>
        <source>G/T (dB/K)</source>
        <translation>G/T (dB/K)</translation>
    </message>
    <message>
        <source>Elevation angle (deg)</source>
        <translation>Elevazione (°)</translation>
    </message>
    <message>
        <source>Azimuth angle (deg)</source>
        <translation>Azimut (°)</translation>
    </message>
    <message>
        <source>Polarization angle (deg)</source>
        <translation>Angolo polariz. (°)</translation>
    </message>
    <message>
        <source>Distance to satellite (km)</source>
        <translation>Distanza dal satellite (km)</translation>
    </message>
    <message>
        <source>Carrier to Noise (dB)</source>
        <translation>Portante/rumore (dB)</translation>
    </message>
    <message>
        <source>Elevation</source>
        <translation>Elevazione</translation>
    </message>
    <message>
        <source>Clear sky</source>
        <translation>Sereno</translation>
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
        <translation>Cifra di rumore in temperatura</translation>
    </message>
    <message>
        <source>Antenna Gain Calculations</source>
        <translation>Guadagno d&apos;antenna</translation>
    </message>
    <message>
        <source>G/T Calculations</source>
        <translation>Calcolo G/T</translation>
    </message>
    <message>
        <source>Antenna Alignment</source>
        <translation>Puntamento dell&apos;antenna</translation>
    </message>
    <message>
        <source>C/N</source>
        <translation>C/N</translation>
    </message>
    <message>
        <source>(west = neg.  east = pos.)</source>
        <translation>(ovest = neg.  est = pos.)</translation>
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
        <translation>Azimut magn., declinazione</translation>
    </message>
    <message>
        <source>Magnetic bearing (deg)</source>
        <translation>Azimut magnetico (°)</translation>
    </message>
    <message>
        <source>Magnetic declination</source>
        <translation>Declinazione magnetica</translation>
    </message>
    <message>
        <source>Compass warnings</source>
        <translation>Avvisi bussola</translation>
    </message>
    <message>
        <source>Dish offset angle (deg)</source>
        <translation>Angolo offset (°)</translation>
    </message>
    <message>
        <source>Face tilt</source>
        <translation>Inclinaz.</translation>
    </message>
    <message>
        <source>Footprints on the web</source>
        <translation>Footprint sul web</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Visit:</source>
        <translation>Web:</translation>
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
        <translation>Polarizzazione</translation>
    </message>
    <message>
        <source>Elevation</source>
        <translation>Elevazione</translation>
    </message>
    <message>
        <source>Kestrion job sheet</source>
        <translation>Scheda di intervento Kestrion</translation>
    </message>
    <message>
        <source>Date: %1</source>
        <translation>Data: %1</translation>
    </message>
    <message>
        <source>Site: %1</source>
        <translation>Sito: %1</translation>
    </message>
    <message>
        <source>(not saved)</source>
        <translation>(non salvato)</translation>
    </message>
    <message>
        <source>True azimuth</source>
        <translation>Azimut geografico</translation>
    </message>
    <message>
        <source>Site and satellite</source>
        <translation>Sito e satellite</translation>
    </message>
    <message>
        <source>Pointing</source>
        <translation>Puntamento</translation>
    </message>
    <message>
        <source>Link budget (C/N)</source>
        <translation>Bilancio di collegamento (C/N)</translation>
    </message>
    <message>
        <source>System noise figure chain</source>
        <translation>Cifra di rumore della catena</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Installer: ______________________    Customer: ______________________</source>
        <translation>Installatore: ______________________    Cliente: ______________________</translation>
    </message>
    <message>
        <source>Kestrion %1 — every figure as the window shows it</source>
        <translation>Kestrion %1 — tutti i valori come li mostra la finestra</translation>
    </message>
    <message>
        <source>Cannot write the job sheet to %1: %2</source>
        <translation>Impossibile scrivere la scheda di intervento in %1: %2</translation>
    </message>
    <message>
        <source>Cannot draw the job sheet for %1</source>
        <translation>Impossibile generare la scheda di intervento per %1</translation>
    </message>
    <message>
        <source>Cannot print the job sheet on %1</source>
        <translation>Impossibile stampare la scheda di intervento su %1</translation>
    </message>
    <message>
        <source>Rain fade (ITU-R P.618): the basis</source>
        <translation>Attenuazione da pioggia (ITU-R P.618): dati di partenza</translation>
    </message>
    <message>
        <source>Rain availability</source>
        <translation>Disponibilità con pioggia</translation>
    </message>
    <message>
        <source>Times in</source>
        <translation>Orari in</translation>
    </message>
    <message>
        <source>Shadow</source>
        <translation>Ombra</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Sole</translation>
    </message>
    <message>
        <source>Sun outage</source>
        <translation>Interferenza solare</translation>
    </message>
    <message>
        <source>%1, %2 to %3, closest at %4: %5 from the satellite</source>
        <translation>%1, dalle %2 alle %3, più vicino alle %4: a %5 dal satellite</translation>
    </message>
    <message>
        <source>Obstacle</source>
        <translation>Ostacolo</translation>
    </message>
    <message>
        <source>Motor limit</source>
        <translation>Limite del motore</translation>
    </message>
    <message>
        <source>Latitude scale</source>
        <translation>Scala della latitudine</translation>
    </message>
    <message>
        <source>Declination offset</source>
        <translation>Offset di declinazione</translation>
    </message>
    <message>
        <source>Dish elevation on the mount</source>
        <translation>Elevazione della parabola sul supporto</translation>
    </message>
    <message>
        <source>Second LNB</source>
        <translation>Secondo LNB</translation>
    </message>
</context>
<context>
    <name>PageText</name>
    <message>
        <source>LNB skew direction</source>
        <translation>Verso di rotazione dell'LNB</translation>
    </message>
    <message>
        <source>none: upright</source>
        <translation>nessuna: dritto</translation>
    </message>
    <message>
        <source>anticlockwise, from behind the dish</source>
        <translation>senso antiorario, da dietro</translation>
    </message>
    <message>
        <source>clockwise, from behind the dish</source>
        <translation>senso orario, da dietro</translation>
    </message>
    <message>
        <source>none: the LNB stays upright</source>
        <translation>nessuna: l'LNB resta dritto</translation>
    </message>
    <message>
        <source>anticlockwise, seen from behind the dish looking at the satellite</source>
        <translation>in senso antiorario, visto da dietro la parabola guardando il satellite</translation>
    </message>
    <message>
        <source>clockwise, seen from behind the dish looking at the satellite</source>
        <translation>in senso orario, visto da dietro la parabola guardando il satellite</translation>
    </message>
    <message>
        <source>Rain</source>
        <translation>Pioggia</translation>
    </message>
    <message>
        <source>Latitude (DMS)</source>
        <translation>Latitudine (GMS)</translation>
    </message>
    <message>
        <source>Longitude (DMS)</source>
        <translation>Longitudine (GMS)</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellite</translation>
    </message>
    <message>
        <source>Magnetic bearing</source>
        <translation>Azimut magnetico</translation>
    </message>
    <message>
        <source>Magnetic declination</source>
        <translation>Declinaz. magnetica</translation>
    </message>
    <message>
        <source>Declination model</source>
        <translation>Modello declinaz.</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Dish offset angle</source>
        <translation>Angolo offset</translation>
    </message>
    <message>
        <source>Face tilt</source>
        <translation>Inclinazione</translation>
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
        <translation>Frequenza</translation>
    </message>
    <message>
        <source>The downlink frequency of the carrier</source>
        <translation>La frequenza di downlink della portante</translation>
    </message>
    <message>
        <source>Tilt from the horizontal</source>
        <translation>Inclinazione rispetto all&apos;orizzontale</translation>
    </message>
    <message>
        <source>The angle of a linear polarization from the horizontal, as seen at the dish</source>
        <translation>L&apos;angolo di una polarizzazione lineare rispetto all&apos;orizzontale, visto dalla parabola</translation>
    </message>
    <message>
        <source>Rain rate R0.01</source>
        <translation>Intensità di pioggia R0.01</translation>
    </message>
    <message>
        <source>The rain rate exceeded for 0.01 % of an average year at the site</source>
        <translation>L&apos;intensità di pioggia superata per lo 0,01 % di un anno medio nel sito</translation>
    </message>
    <message>
        <source>Rain height</source>
        <translation>Altezza della pioggia</translation>
    </message>
    <message>
        <source>The top of the rain above sea level: 0.36 km above the 0 °C isotherm</source>
        <translation>La sommità della pioggia sul livello del mare: 0,36 km sopra l&apos;isoterma di 0 °C</translation>
    </message>
    <message>
        <source>Station height</source>
        <translation>Altitudine della stazione</translation>
    </message>
    <message>
        <source>The height of the dish above sea level</source>
        <translation>L&apos;altitudine della parabola sul livello del mare</translation>
    </message>
    <message>
        <source>Required C/N</source>
        <translation>C/N richiesto</translation>
    </message>
    <message>
        <source>The C/N the receiver needs for a clean picture</source>
        <translation>Il C/N di cui il ricevitore ha bisogno per un&apos;immagine pulita</translation>
    </message>
    <message>
        <source>Target availability</source>
        <translation>Disponibilità obiettivo</translation>
    </message>
    <message>
        <source>The part of an average year the picture should stay</source>
        <translation>La parte di un anno medio in cui l&apos;immagine deve restare</translation>
    </message>
    <message>
        <source>Polarization</source>
        <translation>Polarizzazione</translation>
    </message>
    <message>
        <source>Horizontal fades most; circular is counted as a tilt of 45°</source>
        <translation>L&apos;orizzontale è la più attenuata; la circolare conta come un&apos;inclinazione di 45°</translation>
    </message>
    <message>
        <source>Rain zone (older ITU-R P.837-1 table)</source>
        <translation>Zona di pioggia (vecchia tabella ITU-R P.837-1)</translation>
    </message>
    <message>
        <source>The climatic zone letter of the older table, for its R0.01</source>
        <translation>La lettera della zona climatica della vecchia tabella, per il suo R0.01</translation>
    </message>
    <message>
        <source>ITU-R P.837 map of R0.01</source>
        <translation>Mappa di R0.01 (ITU-R P.837)</translation>
    </message>
    <message>
        <source>The ITU&apos;s map file R001.TXT: R0.01 is read at the site</source>
        <translation>Il file di mappa R001.TXT dell&apos;ITU: R0.01 viene letto nel sito</translation>
    </message>
    <message>
        <source>ITU-R P.839 map of the 0 °C isotherm</source>
        <translation>Mappa dell&apos;isoterma di 0 °C (ITU-R P.839)</translation>
    </message>
    <message>
        <source>The ITU&apos;s map file h0.txt: the rain height is read at the site</source>
        <translation>Il file di mappa h0.txt dell&apos;ITU: l&apos;altezza della pioggia viene letta nel sito</translation>
    </message>
    <message>
        <source>DVB-S2 modulation and code rate</source>
        <translation>Modulazione e code rate DVB-S2</translation>
    </message>
    <message>
        <source>Its ideal Es/N0 for quasi-error-free reception (ETSI EN 302 307-1)</source>
        <translation>Il suo Es/N0 ideale per una ricezione quasi priva di errori (ETSI EN 302 307-1)</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Orizzontale</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Verticale</translation>
    </message>
    <message>
        <source>Circular</source>
        <translation>Circolare</translation>
    </message>
    <message>
        <source>Tilted</source>
        <translation>Inclinata</translation>
    </message>
    <message>
        <source>%1° from the horizontal</source>
        <translation>%1° rispetto all&apos;orizzontale</translation>
    </message>
    <message>
        <source>R0.01 from</source>
        <translation>R0.01 da</translation>
    </message>
    <message>
        <source>zone %1 of the older ITU-R P.837-1 table</source>
        <translation>zona %1 della vecchia tabella ITU-R P.837-1</translation>
    </message>
    <message>
        <source>the ITU-R P.837 map %1</source>
        <translation>mappa %1 (ITU-R P.837)</translation>
    </message>
    <message>
        <source>Rain height from</source>
        <translation>Altezza della pioggia da</translation>
    </message>
    <message>
        <source>the ITU-R P.839 map %1</source>
        <translation>mappa %1 (ITU-R P.839)</translation>
    </message>
    <message>
        <source>Elevation and latitude</source>
        <translation>Elevazione e latitudine</translation>
    </message>
    <message>
        <source>Rain availability</source>
        <translation>Disponibilità con pioggia</translation>
    </message>
    <message>
        <source>still needs: %1</source>
        <translation>manca ancora: %1</translation>
    </message>
    <message>
        <source>none: the satellite is below the horizon</source>
        <translation>nessuna: il satellite è sotto l&apos;orizzonte</translation>
    </message>
    <message>
        <source>not worked out: a floating-point fault</source>
        <translation>non calcolata: errore in virgola mobile</translation>
    </message>
    <message>
        <source>Clear-sky margin</source>
        <translation>Margine con cielo sereno</translation>
    </message>
    <message>
        <source>Rain fade at %1 %</source>
        <translation>Attenuazione pioggia al %1 %</translation>
    </message>
    <message>
        <source>C/N drop at %1 %</source>
        <translation>Calo del C/N al %1 %</translation>
    </message>
    <message>
        <source>Availability with this dish</source>
        <translation>Disponibilità con questa parabola</translation>
    </message>
    <message>
        <source>over %1</source>
        <translation>oltre %1</translation>
    </message>
    <message>
        <source>under %1</source>
        <translation>meno di %1</translation>
    </message>
    <message>
        <source>Dish for %1 %</source>
        <translation>Parabola per il %1 %</translation>
    </message>
    <message>
        <source>none up to %1</source>
        <translation>nessuna fino a %1</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <source>The station height (%1 km) is at or above the rain height (%2 km): the path meets no rain, so every fade shows 0 dB. Check both heights (in km above sea level).</source>
        <translation>L&apos;altitudine della stazione (%1 km) raggiunge o supera l&apos;altezza della pioggia (%2 km): il percorso non attraversa pioggia, quindi ogni attenuazione mostra 0 dB. Controllare entrambe le altezze (in km sul livello del mare).</translation>
    </message>
    <message>
        <source>I type the rate</source>
        <translation>Inserisco l&apos;intensità</translation>
    </message>
    <message>
        <source>I type the C/N</source>
        <translation>Inserisco il C/N</translation>
    </message>
    <message>
        <source>It starts from the C/N page: EIRP %1 dBW, dish %2 cm, clear-sky C/N %3 dB.</source>
        <translation>Parte dalla pagina C/N: EIRP %1 dBW, parabola %2 cm, C/N a cielo sereno %3 dB.</translation>
    </message>
    <message>
        <source>The values filled in are an example (zone K, 3 km, 12 GHz, 8PSK 2/3), not this site&apos;s: enter the site&apos;s own.</source>
        <translation>I valori inseriti sono un esempio (zona K, 3 km, 12 GHz, 8PSK 2/3), non quelli di questo sito: inserite i suoi.</translation>
    </message>
    <message>
        <source>Rain fade: the loss of signal in the rain.</source>
        <translation>Attenuazione pioggia: la perdita di segnale nella pioggia.</translation>
    </message>
    <message>
        <source>C/N drop: the rain fade plus the sky noise the rain adds.</source>
        <translation>Calo del C/N: l&apos;attenuazione pioggia più il rumore del cielo che la pioggia aggiunge.</translation>
    </message>
    <message>
        <source>%1 dB: fails even in clear sky</source>
        <translation>%1 dB: non funziona nemmeno a cielo sereno</translation>
    </message>
    <message>
        <source>Horizontal, turned by the skew: %1°</source>
        <translation>Orizzontale, ruotata dello skew: %1°</translation>
    </message>
    <message>
        <source>Vertical, turned by the skew: %1°</source>
        <translation>Verticale, ruotata dello skew: %1°</translation>
    </message>
</context>
<context>
    <name>SiteStore</name>
    <message>
        <source>it has no name</source>
        <translation>non ha un nome</translation>
    </message>
    <message>
        <source>latitude</source>
        <translation>latitudine</translation>
    </message>
    <message>
        <source>longitude</source>
        <translation>longitudine</translation>
    </message>
    <message>
        <source>satellite position</source>
        <translation>posizione del satellite</translation>
    </message>
    <message>
        <source>its %1 &quot;%2&quot; is refused: %3</source>
        <translation>valore di %1 «%2» rifiutato: %3</translation>
    </message>
    <message>
        <source>Some lines of %1 cannot be read and are left out.</source>
        <translation>Alcune righe di %1 non sono leggibili e vengono tralasciate.</translation>
    </message>
    <message>
        <source>The saved sites in %1 cannot be read.</source>
        <translation>I siti salvati in %1 non sono leggibili.</translation>
    </message>
    <message>
        <source>its offset angle &quot;%1&quot; is not 0 to 45 degrees with at most one decimal</source>
        <translation>il suo angolo offset «%1» non è compreso tra 0 e 45 gradi con al massimo un decimale</translation>
    </message>
    <message>
        <source>its last use is not a number</source>
        <translation>il suo ultimo utilizzo non è un numero</translation>
    </message>
    <message>
        <source>Saved site &quot;%1&quot; (entry %2) skipped: %3.</source>
        <translation>Sito salvato «%1» (voce %2) saltato: %3.</translation>
    </message>
    <message>
        <source>Cannot create the folder %1.</source>
        <translation>Impossibile creare la cartella %1.</translation>
    </message>
    <message>
        <source>The saved sites are busy in another window; try again.</source>
        <translation>I siti salvati sono in uso in un&apos;altra finestra; riprovare.</translation>
    </message>
    <message>
        <source>The saved sites in %1 cannot be read, so they are left as they are.</source>
        <translation>I siti salvati in %1 non sono leggibili, quindi restano invariati.</translation>
    </message>
    <message>
        <source>Cannot write the saved sites to %1.</source>
        <translation>Impossibile scrivere i siti salvati in %1.</translation>
    </message>
    <message>
        <source>Cannot write the saved sites to %1: %2</source>
        <translation>Impossibile scrivere i siti salvati in %1: %2</translation>
    </message>
    <message>
        <source>There is no saved site &quot;%1&quot;.</source>
        <translation>Non esiste un sito salvato «%1».</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is empty or the name of another saved site.</source>
        <translation>«%1» è vuoto o è il nome di un altro sito salvato.</translation>
    </message>
</context>
<context>
    <name>Tooltip</name>
    <message>
        <source>Which way to turn the LNB, seen from behind the dish looking at the satellite</source>
        <translation>In che verso ruotare l'LNB, visto da dietro la parabola guardando il satellite</translation>
    </message>
    <message>
        <source>When not using an IF amplifier, apply 0 dB</source>
        <translation>Senza amplificatore FI, impostare 0 dB</translation>
    </message>
    <message>
        <source>The noise can be described in Noise Figure or Noise Temperature</source>
        <translation>Il rumore può essere espresso come cifra di rumore o come temperatura di rumore</translation>
    </message>
    <message>
        <source>Rain attenuation is affected by the elevation of the antenna</source>
        <translation>L&apos;attenuazione da pioggia dipende dall&apos;elevazione dell&apos;antenna</translation>
    </message>
    <message>
        <source>Normally between  0 - 50 K. See specification of your dish.</source>
        <translation>Normalmente tra 0 e 50 K. Vedere i dati tecnici della parabola.</translation>
    </message>
    <message>
        <source>Normally between 0 - 0.5 dB</source>
        <translation>Normalmente tra 0 e 0,5 dB</translation>
    </message>
    <message>
        <source>Normally between 0.7 to 1.2 dB</source>
        <translation>Normalmente tra 0,7 e 1,2 dB</translation>
    </message>
    <message>
        <source>Normally between 40 and 60 dB. To avoid intermodulation products, use as low gain as possible without raising the system NF.</source>
        <translation>Normalmente tra 40 e 60 dB. Per evitare prodotti di intermodulazione, usare il guadagno più basso possibile senza aumentare la cifra di rumore del sistema.</translation>
    </message>
    <message>
        <source>Cable Loss between the LNB and IF amplifier</source>
        <translation>Perdita del cavo tra LNB e amplificatore FI</translation>
    </message>
    <message>
        <source>The result</source>
        <translation>Il risultato</translation>
    </message>
    <message>
        <source>See specifications of your receiver</source>
        <translation>Vedere i dati tecnici del ricevitore</translation>
    </message>
    <message>
        <source>Apply minor diameter when using an offset dish</source>
        <translation>Con una parabola offset, usare il diametro minore</translation>
    </message>
    <message>
        <source>Normally 40 to 70 %</source>
        <translation>Normalmente dal 40 al 70 %</translation>
    </message>
    <message>
        <source>The gain of the antenna depends of frequency</source>
        <translation>Il guadagno dell&apos;antenna dipende dalla frequenza</translation>
    </message>
    <message>
        <source>If you know the gain but not the efficiency, vary the efficiency until you get the correct gain</source>
        <translation>Se si conosce il guadagno ma non l&apos;efficienza, variare l&apos;efficienza fino a ottenere il guadagno corretto</translation>
    </message>
    <message>
        <source>Can be calculated in the System Noise Figure section</source>
        <translation>Si può calcolare nella sezione Cifra di rumore del sistema</translation>
    </message>
    <message>
        <source>The gain can be calculated from antenna size and efficiency in the Antenna Gain Calculations section</source>
        <translation>Il guadagno si può calcolare da dimensioni ed efficienza dell&apos;antenna nella sezione Guadagno d&apos;antenna</translation>
    </message>
    <message>
        <source>G/T is a measure of the performance of your system</source>
        <translation>G/T è una misura delle prestazioni dell&apos;impianto</translation>
    </message>
    <message>
        <source>Latitude of dish  location</source>
        <translation>Latitudine del luogo della parabola</translation>
    </message>
    <message>
        <source>Longitude of dish location</source>
        <translation>Longitudine del luogo della parabola</translation>
    </message>
    <message>
        <source>Satellite position</source>
        <translation>Posizione del satellite</translation>
    </message>
    <message>
        <source>How to align the dish by the compass</source>
        <translation>Come orientare la parabola con la bussola</translation>
    </message>
    <message>
        <source>Note that Astra satellites differ from standard polarisation</source>
        <translation>Attenzione: i satelliti Astra differiscono dalla polarizzazione standard</translation>
    </message>
    <message>
        <source>Angle of inclination</source>
        <translation>Angolo di elevazione sull&apos;orizzonte</translation>
    </message>
    <message>
        <source>Needed for C/N calculations</source>
        <translation>Necessaria per il calcolo del C/N</translation>
    </message>
    <message>
        <source>Set this on a magnetic compass: the azimuth less the magnetic declination</source>
        <translation>Da impostare su una bussola magnetica: l&apos;azimut meno la declinazione magnetica</translation>
    </message>
    <message>
        <source>Magnetic declination at the site on the date (World Magnetic Model 2025)</source>
        <translation>Declinazione magnetica nel luogo e alla data (World Magnetic Model 2025)</translation>
    </message>
    <message>
        <source>0 for a prime-focus dish; offset dishes are typically 20 to 28 degrees</source>
        <translation>0 per una parabola a fuoco primario; le parabole offset hanno di solito da 20 a 28 gradi</translation>
    </message>
    <message>
        <source>Tilt of the dish face from vertical: the elevation less the offset angle</source>
        <translation>Inclinazione della faccia della parabola rispetto alla verticale: l&apos;elevazione meno l&apos;angolo offset</translation>
    </message>
    <message>
        <source>Equivalent Isotropic Radiated Power</source>
        <translation>Potenza isotropica irradiata equivalente</translation>
    </message>
    <message>
        <source>Get the Eirp from the footprint of the satellite</source>
        <translation>Ricavare l&apos;EIRP dal footprint del satellite</translation>
    </message>
    <message>
        <source>Use the minor diameter for an offset dish</source>
        <translation>Per una parabola offset, usare il diametro minore</translation>
    </message>
    <message>
        <source>If you only know the gain, you can calculate the efficiency in the Antenna Gain Calculations</source>
        <translation>Se si conosce solo il guadagno, si può calcolare l&apos;efficienza in Guadagno d&apos;antenna</translation>
    </message>
    <message>
        <source>See specifications of your antenna. Normally between 0 to 50 K.</source>
        <translation>Vedere i dati tecnici dell&apos;antenna. Normalmente tra 0 e 50 K.</translation>
    </message>
    <message>
        <source> Use System Noise Figure calculations and manually apply correct value.</source>
        <translation> Calcolarla in Cifra di rumore del sistema e impostare il valore a mano.</translation>
    </message>
    <message>
        <source>Bandwidth of the receiver</source>
        <translation>Larghezza di banda del ricevitore</translation>
    </message>
    <message>
        <source>Imported from Antenna Alignment Calculations</source>
        <translation>Valore preso dalla sezione Puntamento dell&apos;antenna</translation>
    </message>
    <message>
        <source>The rain attenuation is usable in the 10 to 13 GHz band only</source>
        <translation>L&apos;attenuazione da pioggia vale solo nella banda da 10 a 13 GHz</translation>
    </message>
    <message>
        <source>The answer</source>
        <translation>Il risultato</translation>
    </message>
    <message>
        <source>The elevation is imported from Antenna alignment calculations</source>
        <translation>L&apos;elevazione è presa dalla sezione Puntamento dell&apos;antenna</translation>
    </message>
    <message>
        <source>The satellite chosen by name</source>
        <translation>Il satellite scelto per nome</translation>
    </message>
</context>
<context>
    <name>Web</name>
    <message>
        <source>The calculator could not be started: %1</source>
        <translation>Impossibile avviare il calcolatore: %1</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>The page&apos;s figures are on the clipboard.</source>
        <translation>I valori della pagina sono negli appunti.</translation>
    </message>
    <message>
        <source>The browser did not allow copying: %1</source>
        <translation>Il browser non ha consentito la copia: %1</translation>
    </message>
    <message>
        <source>Job sheet</source>
        <translation>Scheda di intervento</translation>
    </message>
    <message>
        <source>Print or save as PDF</source>
        <translation>Stampa o salva come PDF</translation>
    </message>
    <message>
        <source>Back to the calculator</source>
        <translation>Torna al calcolatore</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Close this message</source>
        <translation>Chiudi questo messaggio</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Usa</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Rinomina</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Saved site &quot;%1&quot;.</source>
        <translation>Sito «%1» salvato.</translation>
    </message>
    <message>
        <source>Site &quot;%1&quot; entered.</source>
        <translation>Sito «%1» inserito.</translation>
    </message>
    <message>
        <source>The browser did not keep the site: %1</source>
        <translation>Il browser non ha conservato il sito: %1</translation>
    </message>
    <message>
        <source>Type a value</source>
        <translation>Digita un valore</translation>
    </message>
    <message>
        <source>Hint: %1</source>
        <translation>Suggerimento: %1</translation>
    </message>
    <message>
        <source>%1 is not taken: %2 to %3 %4, in steps of %5.</source>
        <translation>%1 non è accettato: da %2 a %3 %4, a passi di %5.</translation>
    </message>
    <message>
        <source>Not taken, the value shown still holds: %1</source>
        <translation>Non accettato, resta valido il valore mostrato: %1</translation>
    </message>
    <message>
        <source>%1 is not on this device yet: its texts need the network once.</source>
        <translation>%1 non è ancora su questo dispositivo: i suoi testi richiedono la rete una volta.</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Satelliti</translation>
    </message>
    <message>
        <source>The address&apos;s %1 was not used: %2</source>
        <translation>%1 nell&apos;indirizzo non è stato usato: %2</translation>
    </message>
    <message>
        <source>The calculation stopped: %1</source>
        <translation>Il calcolo si è interrotto: %1</translation>
    </message>
    <message>
        <source>A new version of Kestrion is ready.</source>
        <translation>È disponibile una nuova versione di Kestrion.</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Ricarica</translation>
    </message>
    <message>
        <source>Phone aids</source>
        <translation>Aiuti dal telefono</translation>
    </message>
    <message>
        <source>Use my position</source>
        <translation>Usa la mia posizione</translation>
    </message>
    <message>
        <source>Asking for the position…</source>
        <translation>Richiesta della posizione…</translation>
    </message>
    <message>
        <source>Position entered, accurate to ±%1 m.</source>
        <translation>Posizione inserita, precisione ±%1 m.</translation>
    </message>
    <message>
        <source>The browser was not allowed to give the position: nothing was changed.</source>
        <translation>Il browser non è autorizzato a fornire la posizione: non è stato cambiato nulla.</translation>
    </message>
    <message>
        <source>The phone found no position fix: nothing was changed. Try again in the open.</source>
        <translation>Il telefono non ha trovato la posizione: non è stato cambiato nulla. Riprova all&apos;aperto.</translation>
    </message>
    <message>
        <source>No position fix within %1 seconds: nothing was changed. Try again in the open.</source>
        <translation>Nessuna posizione entro %1 secondi: non è stato cambiato nulla. Riprova all&apos;aperto.</translation>
    </message>
    <message>
        <source>This browser cannot give a position: nothing was changed.</source>
        <translation>Questo browser non può fornire la posizione: non è stato cambiato nulla.</translation>
    </message>
    <message>
        <source>Compass</source>
        <translation>Bussola</translation>
    </message>
    <message>
        <source>Allow the compass</source>
        <translation>Consenti la bussola</translation>
    </message>
    <message>
        <source>Allow the motion sensors</source>
        <translation>Consenti i sensori di movimento</translation>
    </message>
    <message>
        <source>The compass was not allowed. Allow motion and orientation for this site in the browser&apos;s settings.</source>
        <translation>La bussola non è stata consentita. Consenti movimento e orientamento per questo sito nelle impostazioni del browser.</translation>
    </message>
    <message>
        <source>No compass reading: this phone or browser gives none, or it was not allowed.</source>
        <translation>Nessuna lettura della bussola: questo telefono o browser non la fornisce, oppure non è stata consentita.</translation>
    </message>
    <message>
        <source>Phone heading: %1° magnetic</source>
        <translation>Direzione del telefono: %1° magnetici</translation>
    </message>
    <message>
        <source>Phone heading: %1° true (geographic north)</source>
        <translation>Direzione del telefono: %1° veri (nord geografico)</translation>
    </message>
    <message>
        <source>Magnetic bearing to face: %1°</source>
        <translation>Azimut magnetico da puntare: %1°</translation>
    </message>
    <message>
        <source>True azimuth to face: %1°</source>
        <translation>Azimut vero da puntare: %1°</translation>
    </message>
    <message>
        <source>The page gives no magnetic bearing here (see its warnings), so there is nothing to turn to.</source>
        <translation>La pagina qui non fornisce l&apos;azimut magnetico (vedi i suoi avvisi): non c&apos;è una direzione verso cui girare.</translation>
    </message>
    <message>
        <source>The satellite is below the horizon: there is nothing to turn to.</source>
        <translation>Il satellite è sotto l&apos;orizzonte: non c&apos;è una direzione verso cui girare.</translation>
    </message>
    <message>
        <source>Turn %1° right</source>
        <translation>Gira di %1° a destra</translation>
    </message>
    <message>
        <source>Turn %1° left</source>
        <translation>Gira di %1° a sinistra</translation>
    </message>
    <message>
        <source>Facing the bearing</source>
        <translation>In direzione</translation>
    </message>
    <message>
        <source>Hold the phone flat, or upright with the camera ahead.</source>
        <translation>Tieni il telefono in piano, oppure dritto con la fotocamera in avanti.</translation>
    </message>
    <message>
        <source>Accuracy the phone reports: ±%1°</source>
        <translation>Precisione indicata dal telefono: ±%1°</translation>
    </message>
    <message>
        <source>The phone reports its compass as uncalibrated.</source>
        <translation>Il telefono indica la bussola come non calibrata.</translation>
    </message>
    <message>
        <source>The phone reports no accuracy: if the heading drifts or jumps, calibrate it with a figure eight.</source>
        <translation>Il telefono non indica la precisione: se la direzione deriva o salta, calibra la bussola muovendolo a otto.</translation>
    </message>
    <message>
        <source>The compass is inaccurate: move the phone a few times in a figure eight to calibrate it.</source>
        <translation>La bussola è imprecisa: muovi il telefono qualche volta a forma di otto per calibrarla.</translation>
    </message>
    <message>
        <source>Hold the phone flat, a few steps away from the dish, the mast and other metal: they pull the compass off.</source>
        <translation>Tieni il telefono in piano, a qualche passo da parabola, palo e altro metallo: deviano la bussola.</translation>
    </message>
    <message>
        <source>Inclinometer</source>
        <translation>Inclinometro</translation>
    </message>
    <message>
        <source>The motion sensors were not allowed. Allow motion and orientation for this site in the browser&apos;s settings.</source>
        <translation>I sensori di movimento non sono stati consentiti. Consenti movimento e orientamento per questo sito nelle impostazioni del browser.</translation>
    </message>
    <message>
        <source>No tilt reading: this phone or browser gives none, or it was not allowed.</source>
        <translation>Nessuna lettura dell&apos;inclinazione: questo telefono o browser non la fornisce, oppure non è stata consentita.</translation>
    </message>
    <message>
        <source>Hold the back of the phone flat against the back of the dish, the screen towards you, upright or sideways.</source>
        <translation>Appoggia il retro del telefono in piano contro il retro della parabola, con lo schermo verso di te, in verticale o in orizzontale.</translation>
    </message>
    <message>
        <source>Measured elevation: %1°</source>
        <translation>Elevazione misurata: %1°</translation>
    </message>
    <message>
        <source>Target elevation: %1°</source>
        <translation>Elevazione richiesta: %1°</translation>
    </message>
    <message>
        <source>No target: the satellite is below the horizon.</source>
        <translation>Nessun valore richiesto: il satellite è sotto l&apos;orizzonte.</translation>
    </message>
    <message>
        <source>Measured face tilt: %1</source>
        <translation>Inclinazione misurata: %1</translation>
    </message>
    <message>
        <source>Target face tilt: %1</source>
        <translation>Inclinazione richiesta: %1</translation>
    </message>
    <message>
        <source>Raise %1°</source>
        <translation>Alza di %1°</translation>
    </message>
    <message>
        <source>Lower %1°</source>
        <translation>Abbassa di %1°</translation>
    </message>
    <message>
        <source>On target</source>
        <translation>A posto</translation>
    </message>
    <message>
        <source>To take off the phone&apos;s own error, lay it on its back on a surface you know is level and tap Zero.</source>
        <translation>Per togliere l&apos;errore proprio del telefono, appoggialo sul dorso su una superficie sicuramente in bolla e tocca Azzera.</translation>
    </message>
    <message>
        <source>Zero</source>
        <translation>Azzera</translation>
    </message>
    <message>
        <source>Clear the zero</source>
        <translation>Annulla l&apos;azzeramento</translation>
    </message>
    <message>
        <source>Zeroed: the phone&apos;s own error of %1° is taken off.</source>
        <translation>Azzerato: l&apos;errore proprio del telefono di %1° viene tolto.</translation>
    </message>
    <message>
        <source>Not zeroed: the phone&apos;s reading is used as it is.</source>
        <translation>Non azzerato: la lettura del telefono è usata così com&apos;è.</translation>
    </message>
    <message>
        <source>The phone lies %1° off level: lay it on a level surface and try again.</source>
        <translation>Il telefono è fuori bolla di %1°: appoggialo su una superficie in bolla e riprova.</translation>
    </message>
    <message>
        <source>Sky view</source>
        <translation>Vista del cielo</translation>
    </message>
    <message>
        <source>Show the arc over the camera picture</source>
        <translation>Mostra l&apos;arco sull&apos;immagine della fotocamera</translation>
    </message>
    <message>
        <source>Stop the camera</source>
        <translation>Ferma la fotocamera</translation>
    </message>
    <message>
        <source>The camera was not allowed: the sky diagram shows the arc instead.</source>
        <translation>La fotocamera non è stata consentita: il diagramma del cielo mostra invece l&apos;arco.</translation>
    </message>
    <message>
        <source>No camera could be opened (%1): the sky diagram shows the arc instead.</source>
        <translation>Non è stato possibile aprire una fotocamera (%1): il diagramma del cielo mostra invece l&apos;arco.</translation>
    </message>
    <message>
        <source>%1: elevation %2°, azimuth %3°</source>
        <translation>%1: elevazione %2°, azimut %3°</translation>
    </message>
    <message>
        <source>The chosen satellite is below the horizon.</source>
        <translation>Il satellite scelto è sotto l&apos;orizzonte.</translation>
    </message>
    <message>
        <source>Above the horizon: satellite positions %1</source>
        <translation>Sopra l&apos;orizzonte: posizioni satellite %1</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>da %1 a %2</translation>
    </message>
    <message>
        <source>No part of the arc is above the horizon here.</source>
        <translation>Qui nessuna parte dell&apos;arco è sopra l&apos;orizzonte.</translation>
    </message>
    <message>
        <source>The arc&apos;s positions</source>
        <translation>Posizioni sull&apos;arco</translation>
    </message>
    <message>
        <source>The chosen satellite is %1 and %2 of the cross.</source>
        <translation>Rispetto alla croce, il satellite scelto è %1 e %2.</translation>
    </message>
    <message>
        <source>%1° right</source>
        <translation>%1° a destra</translation>
    </message>
    <message>
        <source>%1° left</source>
        <translation>%1° a sinistra</translation>
    </message>
    <message>
        <source>%1° up</source>
        <translation>%1° più in alto</translation>
    </message>
    <message>
        <source>%1° down</source>
        <translation>%1° più in basso</translation>
    </message>
    <message>
        <source>Calibrate the view</source>
        <translation>Calibra la vista</translation>
    </message>
    <message>
        <source>The cross is on the object</source>
        <translation>La croce è sull&apos;oggetto</translation>
    </message>
    <message>
        <source>The object is in the ring</source>
        <translation>L&apos;oggetto è nell&apos;anello</translation>
    </message>
    <message>
        <source>Put the cross on a distant object (a chimney, a mast), then tap the button.</source>
        <translation>Metti la croce su un oggetto lontano (un camino, un palo), poi tocca il pulsante.</translation>
    </message>
    <message>
        <source>Turn the phone until the same object sits in the ring, then tap the button.</source>
        <translation>Gira il telefono finché lo stesso oggetto è nell&apos;anello, poi tocca il pulsante.</translation>
    </message>
    <message>
        <source>Calibrated: the picture spans %1° across.</source>
        <translation>Calibrato: l&apos;immagine copre %1° in larghezza.</translation>
    </message>
    <message>
        <source>That gives %1° across the picture, which no phone camera has: nothing was changed. Try again with a more distant object.</source>
        <translation>Risulterebbero %1° di larghezza, che nessuna fotocamera di telefono ha: non è stato cambiato nulla. Riprova con un oggetto più lontano.</translation>
    </message>
    <message>
        <source>Margin above the obstacle (degrees)</source>
        <translation>Margine sopra l&apos;ostacolo (gradi)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not taken. %2</source>
        <translation>«%1» non è accettato. %2</translation>
    </message>
    <message>
        <source>Enter a date from %1 to %2.</source>
        <translation>Inserire una data dal %1 al %2.</translation>
    </message>
    <message>
        <source>The sun and the shadow</source>
        <translation>Il sole e l&apos;ombra</translation>
    </message>
    <message>
        <source>Sun outages</source>
        <translation>Interferenze solari</translation>
    </message>
    <message>
        <source>What blocks the view</source>
        <translation>Cosa copre la vista</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Sole</translation>
    </message>
    <message>
        <source>Calibrate on the sun</source>
        <translation>Calibrare sul sole</translation>
    </message>
    <message>
        <source>Never look at the sun through the camera&apos;s eyepiece, nor with the naked eye for long: look at the sun on the screen only.</source>
        <translation>Non guardare mai il sole attraverso il mirino di una fotocamera, né a lungo a occhio nudo: guardare il sole solo sullo schermo.</translation>
    </message>
    <message>
        <source>Hold the phone upright with the camera towards the sun, turn it until the sun on the screen sits inside the marked circle, then tap the button.</source>
        <translation>Tenere il telefono in verticale con la fotocamera verso il sole, girarlo finché il sole sullo schermo sta nel cerchio segnato, poi toccare il pulsante.</translation>
    </message>
    <message>
        <source>The sun is in the circle</source>
        <translation>Il sole è nel cerchio</translation>
    </message>
    <message>
        <source>The sun is below the horizon now: calibrate on it by day.</source>
        <translation>Il sole ora è sotto l&apos;orizzonte: calibrare su di esso di giorno.</translation>
    </message>
    <message>
        <source>true north, from the sun, just now</source>
        <translation>nord geografico, dal sole, proprio ora</translation>
    </message>
    <message>
        <source>true north, from the sun, 1 minute ago</source>
        <translation>nord geografico, dal sole, 1 minuto fa</translation>
    </message>
    <message>
        <source>true north, from the sun, %1 minutes ago</source>
        <translation>nord geografico, dal sole, %1 minuti fa</translation>
    </message>
    <message>
        <source>The correction from the sun was dropped after 15 minutes: calibrate on the sun again.</source>
        <translation>La correzione dal sole è stata scartata dopo 15 minuti: calibrare di nuovo sul sole.</translation>
    </message>
    <message>
        <source>The correction from the sun was dropped: the phone reported a jump in the compass&apos;s accuracy. Calibrate on the sun again.</source>
        <translation>La correzione dal sole è stata scartata: il telefono ha segnalato un salto nella precisione della bussola. Calibrare di nuovo sul sole.</translation>
    </message>
    <message>
        <source>Loading the section…</source>
        <translation>Caricamento della sezione…</translation>
    </message>
    <message>
        <source>The section could not be loaded: %1</source>
        <translation>Impossibile caricare la sezione: %1</translation>
    </message>
    <message>
        <source>Tap a satellite to point the alignment page at it.</source>
        <translation>Tocca un satellite per puntare su di esso la pagina di allineamento.</translation>
    </message>
    <message>
        <source>Sight the top of the obstacle</source>
        <translation>Mirare alla cima dell&apos;ostacolo</translation>
    </message>
    <message>
        <source>To check a tree or a wall: stand at the dish, lay the phone&apos;s long edge along the line to the obstacle&apos;s top, in the satellite&apos;s direction, and read how far the satellite clears it.</source>
        <translation>Per verificare un albero o un muro: stando alla parabola, allineate il lato lungo del telefono alla linea verso la cima dell&apos;ostacolo, nella direzione del satellite, e leggete di quanto il satellite lo supera.</translation>
    </message>
    <message>
        <source>The obstacle&apos;s top: %1° above the horizontal</source>
        <translation>Cima dell&apos;ostacolo: %1° sopra l&apos;orizzontale</translation>
    </message>
    <message>
        <source>clear by %1°</source>
        <translation>libero di %1°</translation>
    </message>
    <message>
        <source>blocked by %1°</source>
        <translation>bloccato di %1°</translation>
    </message>
    <message>
        <source>%1: %2 is outside %3 to %4 %5.</source>
        <translation>%1: %2 è fuori da %3 a %4 %5.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a number; allowed: %3 to %4 %5.</source>
        <translation>%1: «%2» non è un numero; ammesso: da %3 a %4 %5.</translation>
    </message>
    <message>
        <source>%1 is not a page; the pages are %2.</source>
        <translation>%1 non è una pagina; le pagine sono %2.</translation>
    </message>
    <message>
        <source>Kestrion %1 — every figure as the web app shows it</source>
        <translation>Kestrion %1 — tutti i valori come li mostra l’app web</translation>
    </message>
</context>
<context>
    <name>kestrion::desktop::AboutWindow</name>
    <message>
        <source>Kestrion is free: you may copy it and pass it on to anyone you like. The latest version can always be downloaded from :</source>
        <translation>Kestrion è libero: potete copiarlo e passarlo a chiunque. L&apos;ultima versione si può sempre scaricare da:</translation>
    </message>
    <message>
        <source>About Kestrion</source>
        <translation>Informazioni su Kestrion</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>kestrion::ui::AngleEditor</name>
    <message>
        <source>Type the latitude</source>
        <translation>Scrivere la latitudine</translation>
    </message>
    <message>
        <source>Type the longitude</source>
        <translation>Scrivere la longitudine</translation>
    </message>
    <message>
        <source>Type the satellite position or name</source>
        <translation>Scrivere la posizione o il nome del satellite</translation>
    </message>
</context>
<context>
    <name>kestrion::ui::JobMenus</name>
    <message>
        <source>&amp;Sites</source>
        <translation>&amp;Siti</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Save site…</source>
        <translation>Sal&amp;va sito…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Stampa…</translation>
    </message>
    <message>
        <source>&amp;Export PDF…</source>
        <translation>Esporta &amp;PDF…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copia</translation>
    </message>
    <message>
        <source>No saved sites</source>
        <translation>Nessun sito salvato</translation>
    </message>
    <message>
        <source>&amp;Rename site…</source>
        <translation>&amp;Rinomina sito…</translation>
    </message>
    <message>
        <source>&amp;Delete site…</source>
        <translation>&amp;Elimina sito…</translation>
    </message>
    <message numerus="yes">
        <source>%n saved site(s) could not be read…</source>
        <translation>
            <numerusform>Impossibile leggere %n sito salvato…</numerusform>
            <numerusform>Impossibile leggere %n siti salvati…</numerusform>
        </translation>
    </message>
    <message>
        <source>Saved sites</source>
        <translation>Siti salvati</translation>
    </message>
    <message>
        <source>Save site</source>
        <translation>Salva sito</translation>
    </message>
    <message>
        <source>Name of the site:</source>
        <translation>Nome del sito:</translation>
    </message>
    <message>
        <source>A site needs a name; nothing was saved.</source>
        <translation>Un sito deve avere un nome; non è stato salvato nulla.</translation>
    </message>
    <message>
        <source>A site named &quot;%1&quot; is saved already. Replace it?</source>
        <translation>Un sito di nome «%1» è già salvato. Sostituirlo?</translation>
    </message>
    <message>
        <source>Saved site:</source>
        <translation>Sito salvato:</translation>
    </message>
    <message>
        <source>Rename site</source>
        <translation>Rinomina sito</translation>
    </message>
    <message>
        <source>New name:</source>
        <translation>Nuovo nome:</translation>
    </message>
    <message>
        <source>Delete site</source>
        <translation>Elimina sito</translation>
    </message>
    <message>
        <source>Delete the saved site &quot;%1&quot;?</source>
        <translation>Eliminare il sito salvato «%1»?</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>job sheet</source>
        <translation>scheda di intervento</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>Esporta PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>File PDF (*.pdf)</translation>
    </message>
</context>
<context>
    <name>kestrion::ui::MainWindow</name>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>%1° leans back</source>
        <translation>%1° all&apos;indietro</translation>
    </message>
    <message>
        <source>%1° leans forward</source>
        <translation>%1° in avanti</translation>
    </message>
    <message>
        <source>%1° upright</source>
        <translation>%1° verticale</translation>
    </message>
    <message>
        <source>No magnetic model: no magnetic bearing.</source>
        <translation>Nessun modello magnetico: nessun azimut magnetico.</translation>
    </message>
    <message>
        <source>Date outside the magnetic model (2025 to 2029).</source>
        <translation>Data fuori dal modello magnetico (2025-2029).</translation>
    </message>
    <message>
        <source>Weak magnetic field: a compass is unreliable here.</source>
        <translation>Campo magnetico debole: qui la bussola non è affidabile.</translation>
    </message>
    <message>
        <source>Below the horizon: not visible from this site.</source>
        <translation>Sotto l&apos;orizzonte: non visibile da questo sito.</translation>
    </message>
    <message>
        <source>At a pole the azimuth is arbitrary.</source>
        <translation>Al polo l&apos;azimut è arbitrario.</translation>
    </message>
    <message>
        <source>The magnetic model does not cover this date.</source>
        <translation>Il modello magnetico non copre questa data.</translation>
    </message>
    <message>
        <source>%1: not this position</source>
        <translation>%1: non è questa posizione</translation>
    </message>
    <message>
        <source>&amp;Rain availability (ITU-R)…</source>
        <translation>&amp;Disponibilità con pioggia (ITU-R)…</translation>
    </message>
    <message>
        <source>The &amp;sun: direction, outages, obstacles…</source>
        <translation>Il &amp;sole: direzione, interferenze, ostacoli…</translation>
    </message>
    <message>
        <source>&amp;Motor and multifeed…</source>
        <translation>&amp;Motore e multifeed…</translation>
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
        <translation>ovest</translation>
    </message>
    <message>
        <source>on the meridian</source>
        <translation>sul meridiano</translation>
    </message>
    <message>
        <source>Motor and multifeed</source>
        <translation>Motore e multifeed</translation>
    </message>
    <message>
        <source>Satellites visible from here</source>
        <translation>Satelliti visibili da qui</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellite</translation>
    </message>
    <message>
        <source>Elevation</source>
        <translation>Elevazione</translation>
    </message>
    <message>
        <source>Azimuth</source>
        <translation>Azimut</translation>
    </message>
    <message>
        <source>Skew</source>
        <translation>Rotazione LNB</translation>
    </message>
    <message>
        <source>Motor</source>
        <translation>Motore</translation>
    </message>
    <message>
        <source>Motor (DiSEqC 1.2, USALS) on a polar mount</source>
        <translation>Motore (DiSEqC 1.2, USALS) su montatura polare</translation>
    </message>
    <message>
        <source>How far the motor turns either side of the meridian, 1 to 90 degrees</source>
        <translation>Quanto ruota il motore da ciascun lato del meridiano, da 1 a 90 gradi</translation>
    </message>
    <message>
        <source>Motor limit (deg)</source>
        <translation>Limite del motore (gradi)</translation>
    </message>
    <message>
        <source>Motor angle</source>
        <translation>Angolo del motore</translation>
    </message>
    <message>
        <source>DiSEqC Goto angular position, after Eutelsat&apos;s positioner application note</source>
        <translation>DiSEqC «Goto angular position», secondo la nota applicativa dei posizionatori di Eutelsat</translation>
    </message>
    <message>
        <source>DiSEqC command</source>
        <translation>Comando DiSEqC</translation>
    </message>
    <message>
        <source>Polar mount</source>
        <translation>Montatura polare</translation>
    </message>
    <message>
        <source>Second LNB (multifeed)</source>
        <translation>Secondo LNB (multifeed)</translation>
    </message>
    <message>
        <source>Second satellite</source>
        <translation>Secondo satellite</translation>
    </message>
    <message>
        <source>By name or position, e.g. Hotbird 13E or 13E</source>
        <translation>Per nome o posizione, ad es. Hotbird 13E o 13E</translation>
    </message>
    <message>
        <source>Dish diameter (m)</source>
        <translation>Diametro della parabola (m)</translation>
    </message>
    <message>
        <source>Focal length (m)</source>
        <translation>Distanza focale (m)</translation>
    </message>
    <message>
        <source>For an offset dish, the focal length of the parent paraboloid it is cut from</source>
        <translation>Per una parabola offset, la focale del paraboloide da cui è ritagliata</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not taken. Enter a number of degrees either side of the meridian from %2 to %3.</source>
        <translation>«%1» non è accettato. Inserire un numero di gradi da una parte e dall&apos;altra del meridiano da %2 a %3.</translation>
    </message>
    <message>
        <source>elevation scale %1, declination offset %2, dish elevation %3</source>
        <translation>scala di elevazione %1, offset di declinazione %2, elevazione della parabola %3</translation>
    </message>
    <message>
        <source>The satellite is beyond the motor&apos;s limit of %1: the motor cannot turn the dish to it.</source>
        <translation>Il satellite è oltre il limite del motore di %1: il motore non può ruotare la parabola fin lì.</translation>
    </message>
    <message>
        <source>Separation %1; second LNB %2 mm %3 of the first, seen from behind the dish; rail tilt %4; its skew %5</source>
        <translation>Separazione %1; secondo LNB a %2 mm a %3 del primo, visto da dietro la parabola; inclinazione della barra %4; sua rotazione %5</translation>
    </message>
    <message>
        <source>Under 40 mm: two LNB bodies do not fit side by side; use a twin (monoblock) LNB.</source>
        <translation>Meno di 40 mm: due LNB non stanno affiancati; usare un LNB monoblocco.</translation>
    </message>
    <message>
        <source>The second satellite is below the horizon here.</source>
        <translation>Il secondo satellite qui è sotto l&apos;orizzonte.</translation>
    </message>
    <message>
        <source>Magnetic bearing</source>
        <translation>Rilevamento magnetico</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not taken. Enter the dish&apos;s diameter in metres, from %2 to %3.</source>
        <translation>«%1» non è accettato. Inserire il diametro della parabola in metri, da %2 a %3.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not taken. Enter the focal length in metres, from %2 to %3.</source>
        <translation>«%1» non è accettato. Inserire la distanza focale in metri, da %2 a %3.</translation>
    </message>
    <message>
        <source>A focal length of %1 m on a dish of %2 m is no dish&apos;s (F/D %3). Enter a focal length from %4 to %5 times the diameter; for an offset dish, that of the parent paraboloid.</source>
        <translation>Nessuna parabola ha una distanza focale di %1 m con %2 m di diametro (F/D %3). Inserire una distanza focale da %4 a %5 volte il diametro; per una parabola offset, quella del paraboloide originario.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is at the main satellite&apos;s position, %2. Enter a satellite at another position.</source>
        <translation>«%1» è nella posizione del satellite principale, %2. Inserire un satellite in un&apos;altra posizione.</translation>
    </message>
    <message>
        <source>No figures for the second LNB: a floating-point fault (%1).</source>
        <translation>Nessun valore per il secondo LNB: un errore in virgola mobile (%1).</translation>
    </message>
</context>
<context>
    <name>kestrion::ui::RainAvailabilityDialog</name>
    <message>
        <source>Rain availability (ITU-R)</source>
        <translation>Disponibilità con pioggia (ITU-R)</translation>
    </message>
    <message>
        <source>Link and rain</source>
        <translation>Collegamento e pioggia</translation>
    </message>
    <message>
        <source>Availability</source>
        <translation>Disponibilità</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Scegli…</translation>
    </message>
    <message>
        <source>Nothing was changed:</source>
        <translation>Non è stato modificato nulla:</translation>
    </message>
    <message>
        <source>not used</source>
        <translation>non usata</translation>
    </message>
    <message>
        <source>Change on the C/N page</source>
        <translation>Modifica nella pagina C/N</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not taken. Enter a frequency from %2 to %3 GHz.</source>
        <translation>«%1» non è accettato. Inserire una frequenza da %2 a %3 GHz.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not taken. Enter an elevation above %2 and up to %3 degrees.</source>
        <translation>«%1» non è accettato. Inserire un&apos;elevazione maggiore di %2 e fino a %3 gradi.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not taken. Enter a latitude from %2 to %3 degrees.</source>
        <translation>«%1» non è accettato. Inserire una latitudine da %2 a %3 gradi.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not taken. Enter a rain rate from %2 to %3 mm/h.</source>
        <translation>«%1» non è accettato. Inserire un&apos;intensità di pioggia da %2 a %3 mm/h.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not taken. Enter a rain height from %2 to %3 km above sea level.</source>
        <translation>«%1» non è accettato. Inserire un&apos;altezza della pioggia da %2 a %3 km sul livello del mare.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not taken. Enter the station&apos;s height from %2 to %3 km above sea level.</source>
        <translation>«%1» non è accettato. Inserire l&apos;altezza della stazione da %2 a %3 km sul livello del mare.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not taken. Enter a tilt from %2 to %3 degrees from the horizontal, or horizontal, vertical or circular.</source>
        <translation>«%1» non è accettato. Inserire un&apos;inclinazione da %2 a %3 gradi rispetto all&apos;orizzontale, oppure horizontal, vertical o circular.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not taken. Enter percentages of the year from %2 to %3, several separated by commas.</source>
        <translation>«%1» non è accettato. Inserire percentuali dell&apos;anno da %2 a %3, più valori separati da virgole.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not taken. Choose a zone letter of the ITU-R P.837-1 table: %2.</source>
        <translation>«%1» non è accettato. Scegliere una lettera di zona della tabella ITU-R P.837-1: %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not taken. Enter a C/N from %2 to %3 dB, or a DVB-S2 modulation and code rate such as &quot;8PSK 3/5&quot;.</source>
        <translation>«%1» non è accettato. Inserire un C/N da %2 a %3 dB, oppure una modulazione e un code rate DVB-S2 come «8PSK 3/5».</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not taken. Enter a target from %2 to %3 % of the year.</source>
        <translation>«%1» non è accettato. Inserire un obiettivo da %2 a %3 % dell&apos;anno.</translation>
    </message>
    <message>
        <source>the station height is in km (%1 m is %2)</source>
        <translation>l&apos;altezza della stazione è in km (%1 m sono %2)</translation>
    </message>
    <message>
        <source>DVB-S2 has no %1; its %2 code rates are %3</source>
        <translation>DVB-S2 non ha %1; i suoi code rate %2 sono %3</translation>
    </message>
</context>
<context>
    <name>kestrion::ui::TabControl</name>
    <message>
        <source>Pages</source>
        <translation>Pagine</translation>
    </message>
</context>
<context>
    <name>kestrion::ui::SunDialog</name>
    <message>
        <source>Enter a whole number from %1 to %2.</source>
        <translation>Inserire un numero intero da %1 a %2.</translation>
    </message>
    <message>
        <source>Enter a number above %1 up to %2.</source>
        <translation>Inserire un numero maggiore di %1 fino a %2.</translation>
    </message>
    <message>
        <source>Enter a number from %1 to %2.</source>
        <translation>Inserire un numero da %1 a %2.</translation>
    </message>
    <message>
        <source>At %1 a plumb line&apos;s shadow points the way the dish must face (the sun %2 high).</source>
        <translation>Alle %1 l&apos;ombra di un filo a piombo indica la direzione in cui deve puntare la parabola (sole a %2).</translation>
    </message>
    <message>
        <source>At %1 face the sun: that is the dish&apos;s direction (the sun %2 high).</source>
        <translation>Alle %1 guardate verso il sole: è la direzione della parabola (sole a %2).</translation>
    </message>
    <message>
        <source>No shadow points the dish&apos;s way this day: the sun stands opposite the dish only below the horizon, or never.</source>
        <translation>Quel giorno nessuna ombra indica la direzione della parabola: il sole le sta di fronte solo sotto l&apos;orizzonte, o mai.</translation>
    </message>
    <message>
        <source>The sun does not stand in the dish&apos;s direction this day while above the horizon.</source>
        <translation>Quel giorno il sole non passa nella direzione della parabola mentre è sopra l&apos;orizzonte.</translation>
    </message>
    <message>
        <source>The sun: direction, outages and obstacles</source>
        <translation>Il sole: direzione, interferenze solari e ostacoli</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Dish diameter (m)</source>
        <translation>Diametro della parabola (m)</translation>
    </message>
    <message>
        <source>Frequency (GHz)</source>
        <translation>Frequenza (GHz)</translation>
    </message>
    <message>
        <source>Days of outages</source>
        <translation>Giorni di previsione</translation>
    </message>
    <message>
        <source>Obstacle&apos;s height above the dish (m)</source>
        <translation>Altezza dell&apos;ostacolo sopra la parabola (m)</translation>
    </message>
    <message>
        <source>Obstacle&apos;s distance (m)</source>
        <translation>Distanza dell&apos;ostacolo (m)</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Inizio</translation>
    </message>
    <message>
        <source>Peak</source>
        <translation>Massimo</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fine</translation>
    </message>
    <message>
        <source>Separation</source>
        <translation>Distanza</translation>
    </message>
    <message>
        <source>Enter the obstacle&apos;s height and its distance.</source>
        <translation>Inserire altezza e distanza dell&apos;ostacolo.</translation>
    </message>
    <message>
        <source>The satellite is below the horizon: the sun can show no direction to it and causes no outage.</source>
        <translation>Il satellite è sotto l&apos;orizzonte: il sole non può indicarne la direzione e non causa interferenze.</translation>
    </message>
    <message>
        <source>The dish faces %1 from true north, %2 up. Times in %3.</source>
        <translation>La parabola punta a %1 dal nord geografico, a %2 di elevazione. Orari in %3.</translation>
    </message>
    <message>
        <source>Beamwidth %1, so the sun disturbs the dish within %2 of the satellite.</source>
        <translation>Apertura del fascio %1: il sole disturba la parabola entro %2 dal satellite.</translation>
    </message>
    <message>
        <source>The sun never reaches the satellite from this site.</source>
        <translation>Da questo sito il sole non raggiunge mai il satellite.</translation>
    </message>
    <message>
        <source>No sun outage in the days asked for.</source>
        <translation>Nessuna interferenza solare nei giorni richiesti.</translation>
    </message>
    <message>
        <source>Sun outages in the days asked for: within each window the sun adds its own noise to the dish&apos;s, so the picture may break up for the window&apos;s minutes, every year, and nothing is wrong with the installation.</source>
        <translation>Interferenze solari nei giorni richiesti: in ogni finestra il sole aggiunge il proprio rumore a quello della parabola, quindi l&apos;immagine può bloccarsi per quei minuti, ogni anno, e l&apos;impianto non ha alcun difetto.</translation>
    </message>
    <message>
        <source>Enter an obstacle&apos;s height and distance to see whether it blocks the satellite.</source>
        <translation>Inserire altezza e distanza di un ostacolo per sapere se copre il satellite.</translation>
    </message>
    <message>
        <source>Its top stands %1 above the horizontal.</source>
        <translation>La sua cima è %1 sopra l&apos;orizzontale.</translation>
    </message>
    <message>
        <source>The satellite clears it by %1.</source>
        <translation>Il satellite lo supera di %1.</translation>
    </message>
    <message>
        <source>It blocks the satellite by %1.</source>
        <translation>Copre il satellite di %1.</translation>
    </message>
    <message>
        <source>To clear it by %1 it must stand at least %2 away.</source>
        <translation>Per superarlo di %1 deve stare ad almeno %2.</translation>
    </message>
    <message>
        <source>No distance clears it by %1: the satellite stands no higher.</source>
        <translation>Nessuna distanza lo supera di %1: il satellite non è più alto.</translation>
    </message>
</context>
<context>
    <name>kestrion::ui::RangeBox</name>
    <message>
        <source>%1 is outside %2 to %3%4; %5 kept</source>
        <translation>%1 è fuori dall'intervallo da %2 a %3%4; resta %5</translation>
    </message>
</context>
</TS>
