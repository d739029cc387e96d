// The arithmetic of the pages whose intermediate values matter, as pure
// functions over numbers. The procedures call them with what they read from
// the window; tests and the sweep call them directly to see each step. A
// faulting step throws FloatFault, as in the procedures.
#pragma once

namespace kestrion {
class Window;
}

namespace kestrion::calc {

// The receive chain, in the units its procedure reads them.
struct Chain {
  double ifNoiseFigure;  // dB, formed in single precision
  double ifCableLoss;
  double receiverNoiseFigure;
  double ifGain;
  double lnbTenths;  // tenths of a dB
  double cableLoss;
  double lnbGain;
  double feedTenths;  // tenths of a dB
  double antennaTemperature;
};

struct ChainSteps {
  double ifChain;  // dB at the IF amplifier's input
  double chain;    // dB at the feed's input, without the antenna's noise
  double shown;    // 100 times the system noise figure in dB
};

ChainSteps cascade(const Chain& c);
// The chain as the page's procedure reads it from the window.
Chain chainOf(const Window& w);

// The C/N page's budget.
struct LinkBudget {
  double rainAllowance;  // dB
  double distance;       // km
  double eirp;           // dBW
  double diameter;       // cm
  double efficiency;     // %
  double noiseFigure;    // dB
  double antennaTemperature;
  double bandwidth;  // MHz
};

struct LinkSteps {
  double fluxDensity;  // W/m²
  double aperture;     // m²
  double carrier;      // W
  double noiseTemperature;
  double noise;  // W
  double ratio;  // 10.0112 times the C/N in dB
};

LinkSteps linkSteps(const LinkBudget& b);
LinkBudget budgetOf(const Window& w);

struct RainInputs {
  double rate;       // mm/h by the leading reading
  double wholeRate;  // and by the whole-text reading
  double elevation;  // degrees
};

struct RainSteps {
  double rateFactor;
  double elevationFactor;  // 0 for a rate the model has no row for
};

RainSteps rainSteps(const RainInputs& in);
RainInputs rainInputsOf(const Window& w);

}  // namespace kestrion::calc
