<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AngleText</name>
    <message>
        <source>Nothing was typed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>That is not an angle.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A minus or plus sign cannot be used with a hemisphere letter.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only one hemisphere letter is allowed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>That hemisphere letter does not fit here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only the last of degrees, minutes and seconds may have decimals.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minutes must be below 60.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seconds must be below 60.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>That is out of range.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>That is neither a position nor the name of a listed satellite.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latitude: -90 to 90 degrees, N or S, e.g. 52.52, -33.9247, 33.9247S, 33°55&apos;29&quot;S, 33 55 29 S or 33°55.48&apos;S.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longitude: -180 to 180 degrees, E or W, e.g. 13.405, -5, 5W, W5, 13°24&apos;18&quot;E or 13 24 18 E.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Satellite position: -180 to 180 degrees, E or W, e.g. 19.2E, 19,2, -5, 5W or 30°0&apos;W, or a satellite name such as Astra 19.2E.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Browser</name>
    <message>
        <source> could not find a file association for </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> on your system. You should check that your browser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is correctly installed and associated with this type of file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> had a problem running your web browser.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You should check that your browser is correctly installed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browser Unavailable</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Caption</name>
    <message>
        <source>LNB Noise Figure (dB)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gain LNB (dB)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cable Loss (dB)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IF amplifier noise figure (dB)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Noise Figure (dB)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Noise Temperature (K)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Feed Losses (dB)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dish Diameter (m)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Efficiency (%)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frequency (GHz)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Antenna noise temperature (K)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Receiver Noise Figure (dB)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IF Amplifier Gain (dB)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System Noise Figure (dB)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Antenna Gain (dB)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Satellite position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eirp (dBW)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dish Diameter (cm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Antenna Efficiency  (%)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Antenna Noise Temp. (K)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System Noise Figure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bandwidth (MHz)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>G/T (dB/K)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elevation angle (deg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Azimuth angle (deg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Polarization angle (deg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Distance to satellite (km)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Carrier to Noise (dB)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elevation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear sky</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rain 5 mm/h</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rain 10 mm/h</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rain 50 mm/h</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NF to Noise Temperature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Antenna Gain Calculations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>G/T Calculations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Antenna Alignment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C/N</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(west = neg.  east = pos.)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>W</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Magnetic bearing, declination</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Magnetic bearing (deg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Magnetic declination</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compass warnings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dish offset angle (deg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Face tilt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Footprints on the web</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Visit:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Tooltip</name>
    <message>
        <source>When not using an IF amplifier, apply 0 dB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The noise can be described in Noise Figure or Noise Temperature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rain attenuation is affected by the elevation of the antenna</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Normally between  0 - 50 K. See specification of your dish.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Normally between 0 - 0.5 dB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Normally between 0.7 to 1.2 dB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Normally between 40 and 60 dB. To avoid intermodulation products, use as low gain as possible without raising the system NF.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cable Loss between the LNB and IF amplifier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The result</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>See specifications of your receiver</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply minor diameter when using an offset dish</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Normally 40 to 70 %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The gain of the antenna depends of frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If you know the gain but not the efficiency, vary the efficiency until you get the correct gain</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can be calculated in the System Noise Figure section</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The gain can be calculated from antenna size and efficiency in the Antenna Gain Calculations section</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>G/T is a measure of the performance of your system</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latitude of dish  location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longitude of dish location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Satellite position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How to align the dish by the compass</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note that Astra satellites differ from standard polarisation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Angle of inclination</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Needed for C/N calculations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set this on a magnetic compass: the azimuth less the magnetic declination</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Magnetic declination at the site on the date (World Magnetic Model 2025)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0 for a prime-focus dish; offset dishes are typically 20 to 28 degrees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tilt of the dish face from vertical: the elevation less the offset angle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Equivalent Isotropic Radiated Power</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Get the Eirp from the footprint of the satellite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use the minor diameter for an offset dish</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If you only know the gain, you can calculate the efficiency in the Antenna Gain Calculations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>See specifications of your antenna. Normally between 0 to 50 K.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Use System Noise Figure calculations and manually apply correct value.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bandwidth of the receiver</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Imported from Antenna Alignment Calculations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The rain attenuation is usable in the 10 to 13 GHz band only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The elevation is imported from Antenna alignment calculations</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kestrion::desktop::AboutWindow</name>
    <message>
        <source>Kestrion is free: you may copy it and pass it on to anyone you like. The latest version can always be downloaded from :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Kestrion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kestrion::ui::AngleEditor</name>
    <message>
        <source>Type the latitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type the longitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type the satellite position or name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1° W</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1° E</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kestrion::ui::MainWindow</name>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1° W</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1° E</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1° leans back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1° leans forward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1° upright</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No magnetic model: no magnetic bearing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date outside the magnetic model (2025 to 2029).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weak magnetic field: a compass is unreliable here.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
