/* The calculator behind a flat C interface: a handle and a fixed list of
 * functions taking and returning UTF-8 texts. The browser's WebAssembly
 * build exports exactly these; nothing else crosses into JavaScript.
 *
 * Texts a function returns belong to the engine and stay valid until the
 * next call on the same engine. Texts passed in are copied. */
#ifndef KESTRION_API_H
#define KESTRION_API_H

#include <stddef.h> /* NOLINT(modernize-deprecated-headers): a C header */

#ifdef __cplusplus
extern "C" {
#endif

typedef struct kestrion_engine kestrion_engine; /* NOLINT(modernize-use-using): C */

/* kestrion-cli's exit statuses: what a call ended with. */
enum {
  KESTRION_OK = 0,
  KESTRION_REFUSED = 2, /* bad input: nothing changed; kestrion_message says why */
  KESTRION_FAULT = 3    /* a floating-point fault ended the event */
};

/* A calculator after its start-up, dated today, offset angle 0. Returns
 * null only when memory runs out. */
kestrion_engine* kestrion_open(void);
void kestrion_close(kestrion_engine* engine);

/* Runs one event in kestrion-cli's grammar: "HScroll17=50", "HScroll17~50",
 * "Option2", "latitude:=33°55'29\"S", "satellite:=Astra 19.2E". */
int kestrion_run(kestrion_engine* engine, const char* event);

/* The pointing aids' date, "YYYY-MM-DD", and the dish's offset angle in
 * degrees ("26.5"), as kestrion-cli's --date and --offset-angle take them. */
int kestrion_set_date(kestrion_engine* engine, const char* date);
int kestrion_set_offset_angle(kestrion_engine* engine, const char* degrees);

/* The message of the last call that did not return KESTRION_OK: one line
 * naming what was wrong and what is allowed; "" after a call that ran. */
const char* kestrion_message(kestrion_engine* engine);

/* The state after the last event that ran, as kestrion-cli prints it (one
 * JSON object); "event" names that event ("load" before any). */
const char* kestrion_state(kestrion_engine* engine);

/* The satellites known by name, as kestrion-cli --satellites prints them,
 * and those whose name starts with the prefix: [{"name", "position"}]. */
const char* kestrion_satellites(kestrion_engine* engine);
const char* kestrion_complete(kestrion_engine* engine, const char* prefix);

/* The controls, from the model's own tables, as one JSON object: pages,
 * inputs (captions, units, ranges, scale, start, value name), the 37 value
 * names with their captions, rain options, pointers and each page's controls
 * with their places in twips, looks and tooltips, and what each is to an
 * input ("input": its caption or value box; "noteOf": a note to its caption)
 * or to the page ("result": a result); and the rain availability section's
 * ("rainFade"): its number boxes and choices with the events they send, the
 * events each group starts from, the zones and the DVB-S2 table; and
 * "arcValues", the names of the values kestrion_arc gives per position. */
const char* kestrion_describe(kestrion_engine* engine);

/* The user's language: a catalogue of records separated by U+001E, each
 * "context U+001F source U+001F translation", as the build converts the
 * translations; "" for English. Reports and messages below use it. */
int kestrion_set_translations(kestrion_engine* engine, const char* catalogue);

/* What Copy and the job sheet report, in the user's language, as one JSON
 * object: each page's rows and copied text, the pointing aids in words, the
 * sheet's sections and lines; once an event has set up the rain fade, its
 * availability as the window's section shows it ("rainFade": basis,
 * results and warnings) and two more sheet sections. siteName may be null or "". */
const char* kestrion_report(kestrion_engine* engine, const char* siteName);

/* The pointing aids in words, as the alignment page shows them beside its
 * figures: {"declination", "faceTilt", "shortWarnings", "satelliteName"}, and
 * "faceTiltDegrees", the face tilt signed (leaning back positive), null where
 * no face tilt is shown.
 * Lighter than the whole report, for every move of a slider. */
const char* kestrion_aids(kestrion_engine* engine);

/* Checks a typed latitude, longitude or satellite ("latitude", "longitude",
 * "satellite") as the window's editor does: "" when it reads, else what was
 * wrong and what is accepted, in the user's language. */
const char* kestrion_angle_problem(kestrion_engine* engine, const char* input, const char* text);

/* Enters a typed latitude, longitude or satellite as the window's editor
 * does (the language's compass letters too), running it as the event
 * kestrion-cli takes for the same value: "latitude:=-33.9247",
 * "satellite:=Astra 19.2E". A text that does not read is refused with
 * kestrion_angle_problem's message. */
int kestrion_enter(kestrion_engine* engine, const char* input, const char* text);

/* Runs a rain fade event ("station-height:=0.65", "rain-rate-map:=PATH") as
 * kestrion_run does, for a view that shows a refusal beside the input:
 * kestrion_message is then the input's own message, without the event in
 * front, and a map file is called fileName there (the name the user chose;
 * null or "" for the path). Any other event is refused. */
int kestrion_set_rain_input(kestrion_engine* engine, const char* event, const char* fileName);

/* The geostationary arc from the site as it stands: for each whole
 * satellite position from 180 W to 180 E, the elevation and azimuth texts
 * the alignment page shows with the satellite slider there, as JSON
 * [{"position", "elevation", "azimuth"}]. The state does not change. */
const char* kestrion_arc(kestrion_engine* engine);

/* The sun as the installer's reference for the site, the satellite and the
 * date as they stand, as kestrion-cli --sun prints it (one JSON object):
 * the sun's and the shadow's times in the dish's direction, the coming sun
 * outages and, with both obstacle options, the obstacle's figures. The
 * options are --sun's, by name without "--" ("days", "diameter",
 * "frequency", "obstacle-height", "obstacle-distance", "obstacle-margin"),
 * and stay set for the calls after. */
int kestrion_set_sun_option(kestrion_engine* engine, const char* name, const char* value);
const char* kestrion_sun(kestrion_engine* engine);

/* The sun from the site as it stands, for the phone's aids; instants are
 * seconds since 1970-01-01 00:00 UTC (a browser's Date.now() / 1000).
 * kestrion_sun_at: {"time", "azimuth", "elevation", "refractedElevation"},
 * degrees from true north and above the horizontal (geometric, and with
 * standard refraction); {} outside 1900 to 2100 or at a pole.
 * kestrion_sun_path: a list of those every step minutes (1 to 120) over hours
 * (up to 48) from the instant from; [] when refused. */
const char* kestrion_sun_at(kestrion_engine* engine, double unixSeconds);
const char* kestrion_sun_path(kestrion_engine* engine, double from, double hours, double step);

/* The dish on a motorised polar mount at the site and satellite as they
 * stand: the state's pointing.motor and pointing.polarMount in one object,
 * {"angle", "direction", "diseqc", "latitudeScale", "declinationOffset",
 * "dishElevation", "limit", "beyondLimit"}, numbers unrounded, and "shown",
 * those angles as the window shows them ("33.37°"). The limit is 75 degrees
 * until kestrion_set_motor_limit sets one; the state shows the motor only
 * from then on, as after the event motorLimit:=DEGREES. A refused limit's
 * message is the window's, without the event in front. */
const char* kestrion_motor(kestrion_engine* engine);
int kestrion_set_motor_limit(kestrion_engine* engine, const char* degrees);

/* The satellites known by name above the horizon at the site, as
 * kestrion-cli --satellites --visible prints them, each with
 * "magneticBearing" (null without the site's declination) and "shown", its
 * angles as the window shows them ("" for a bearing it lacks). */
const char* kestrion_visible(kestrion_engine* engine);

/* A second LNB beside the one pointed at the alignment page's satellite,
 * from the texts as typed: the second satellite by name or position, the
 * dish's diameter and focal length in metres. kestrion-cli --multifeed's
 * object, with "secondName", "secondPosition", "tooClose",
 * "secondBelowHorizon" and "shown" ({"separation", "offsetMm", "railTilt",
 * "skew"}); or {"problem": {"input", "message"}}, the input ("satellite",
 * "diameter", "focalLength") the message is about. The state does not
 * change; the job sheet has the second LNB from then on, until a refusal. */
const char* kestrion_multifeed(kestrion_engine* engine, const char* satellite, const char* diameter,
                               const char* focalLength);

/* For tests of the fault path: writes a value's text directly ("Latitud",
 * "abc"), as no event can. */
int kestrion_set_text(kestrion_engine* engine, const char* value, const char* text);

/* Memory for the texts JavaScript passes in. */
void* kestrion_alloc(size_t size);
void kestrion_free(void* block);

#ifdef __cplusplus
}
#endif

#endif
