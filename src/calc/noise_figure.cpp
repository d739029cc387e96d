// System Noise Figure: the receive chain cascaded from the receiver back to
// the feed. Each cable is an attenuator whose noise figure equals its loss, so
// its loss in dB adds to the noise figure of the stage behind it.
#include "procedures.h"
#include "reading.h"

namespace kestrion::calc {

void ber(Window& w) {
  const Real a = singleQuotient(w, SliderId::HScroll4, 10.0F);
  const Real c2 = leading(w, TextId::cableloss2);
  const Real r = leading(w, TextId::recnf);
  const Real gi = leading(w, TextId::ifgain);
  const Real b = position(w, SliderId::HScroll1);
  const Real c1 = leading(w, TextId::cableloss);
  const Real gl = leading(w, TextId::lnbgain);
  const Real c = position(w, SliderId::HScroll7);
  const Real ta = leading(w, TextId::tant);
  Fields& f = w.fields();

  // IF amplifier, second cable and receiver, seen at the IF amplifier's input.
  const Real t1 = power(10, (r + c2) / 10) - 1;
  const Real t2 = t1 / power(10, gi / 10);
  const Real t3 = power(10, a) + t2;
  f.ifchainnf = (ln(t3) * 10 / ln10()).value();

  // LNB and first cable in front of it; the feed loss adds in front of all.
  const Real u1 = power(10, (f.ifchainnf + c1) / 10) - 1;
  const Real u2 = u1 / power(10, gl / 10);
  const Real u3 = power(10, b / 10 / 10) + u2;
  f.chainnf = (c / 10 + ln(u3) * 10 / ln10()).value();

  // The antenna's own noise, against the 290 K reference.
  const Real v = ta / 290 + power(10, f.chainnf / 10);
  const Real y = ln(v) * 1000 / ln10();
  show(w, TextId::totnf, floorOf(y) / 100);
}

}  // namespace kestrion::calc
