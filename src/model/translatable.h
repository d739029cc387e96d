// Texts a person reads are marked where they stand so that Qt's translation
// tools find them; outside Qt the mark is only the text.
#pragma once

#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif
