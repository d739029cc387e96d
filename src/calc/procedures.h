// The recompute procedures, one unit per page. Each reads its inputs from the
// window, computes in double precision step by step and writes its results
// into the window. A faulting step throws FloatFault; the layer that raises
// the events turns that into the event's Outcome.
#pragma once

namespace kestrion {
class Window;
}

namespace kestrion::calc {

void systemNoiseFigure(Window& w);         // System Noise Figure page
void noiseFigureToTemperature(Window& w);  // the converter's noise figure slider
void temperatureToNoiseFigure(Window& w);  // the converter's temperature slider
void dishGain(Window& w);                  // Antenna Gain Calculations page
void figureOfMerit(Window& w);             // G/T Calculations page
void alignment(Window& w);                 // Antenna Alignment page
void carrierToNoise(Window& w);            // C/N page
void rainAttenuation(Window& w);           // C/N page, rain options

}  // namespace kestrion::calc
