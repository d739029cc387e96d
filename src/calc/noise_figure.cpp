// System Noise Figure: the receive chain cascaded from the receiver back to
// the feed. Each cable is an attenuator whose noise figure equals its loss, so
// its loss in dB adds to the noise figure of the stage behind it.
#include "procedures.h"
#include "reading.h"
#include "steps.h"

namespace kestrion::calc {

ChainSteps cascade(const Chain& c) {
  // IF amplifier, second cable and receiver, seen at the IF amplifier's input.
  const Real t1 = power(10, (Real(c.receiverNoiseFigure) + c.ifCableLoss) / 10) - 1;
  const Real t2 = t1 / power(10, Real(c.ifGain) / 10);
  const Real t3 = power(10, c.ifNoiseFigure) + t2;
  const Real ifChain = ln(t3) * 10 / ln10();

  // LNB and first cable in front of it; the feed loss adds in front of all.
  const Real u1 = power(10, (ifChain + c.cableLoss) / 10) - 1;
  const Real u2 = u1 / power(10, Real(c.lnbGain) / 10);
  const Real u3 = power(10, Real(c.lnbTenths) / 10 / 10) + u2;
  const Real chain = Real(c.feedTenths) / 10 + ln(u3) * 10 / ln10();

  // The antenna's own noise, against the 290 K reference.
  const Real v = Real(c.antennaTemperature) / 290 + power(10, chain / 10);
  const Real y = ln(v) * 1000 / ln10();
  return {ifChain.value(), chain.value(), y.value()};
}

Chain chainOf(const Window& w) {
  Chain c{};
  c.ifNoiseFigure = singleQuotient(w, Input::ifNoiseFigure, 10.0F).value();
  c.ifCableLoss = leading(w, Input::ifCableLoss).value();
  c.receiverNoiseFigure = leading(w, Input::receiverNoiseFigure).value();
  c.ifGain = leading(w, Input::ifGain).value();
  c.lnbTenths = position(w, Input::lnbNoiseFigure).value();
  c.cableLoss = leading(w, Input::cableLoss).value();
  c.lnbGain = leading(w, Input::lnbGain).value();
  c.feedTenths = position(w, Input::feedLoss).value();
  c.antennaTemperature = leading(w, Input::antennaTemperature).value();
  return c;
}

void systemNoiseFigure(Window& w) {
  show(w, Value::systemNoiseFigure, floorOf(cascade(chainOf(w)).shown) / 100);
}

}  // namespace kestrion::calc
