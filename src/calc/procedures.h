// The recompute procedures, one unit per page. Each reads its inputs from the
// window, computes in double precision step by step and writes its results
// into the window. A faulting step throws FloatFault; the window turns that
// into the event's Outcome.
#pragma once

namespace kestrion {
class Window;
}

namespace kestrion::calc {

void ber(Window& w);                       // System Noise Figure
void noiseFigureToTemperature(Window& w);  // HScroll5 body
void temperatureToNoiseFigure(Window& w);  // HScroll6 body
void antber(Window& w);                    // Antenna Gain Calculations
void gtber(Window& w);                     // G/T Calculations
void AlignmentCalc(Window& w);             // Antenna Alignment
void CarrierToNoiseCalc(Window& w);        // C/N
void RainAttenuationCalc(Window& w);       // C/N, rain options

}  // namespace kestrion::calc
