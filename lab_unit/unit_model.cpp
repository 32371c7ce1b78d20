#include "unit_model.h"

#include "chart_calibration.h"
#include "moist_air.h"
#include "r12.h"
#include "unit_geometry.h"

#include <cmath>
#include <limits>

namespace {

using psychro::MolarMassRatio;
using psychro::SpecificHeats;
using psychro::WetBulbTrial;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr MolarMassRatio kSaturationRatio{0.62198};
constexpr SpecificHeats kOutdoorHeats{1.005, 1.805};
constexpr SpecificHeats kCoilOutletHeats{1.0045, 1.805};
constexpr double kWetBulbStep = 0.05;
constexpr double kBypassFactor = 0.22;
// The heaters' energy balance is slightly optimistic; the thermometers after
// them read this much lower.
constexpr double kHeaterReadingDrop = 0.08;

double orNaN(std::optional<double> value) { return value.value_or(kNaN); }

double saturationRatio(double T, double p)
{
    return orNaN(psychro::SaturationHumidityRatio(T, p, kSaturationRatio));
}

double wetBulb(double T, double W, double p, double start)
{
    return orNaN(psychro::WetBulbSearch(T, W, p, WetBulbTrial{start, kWetBulbStep}));
}

double temperatureFromEnthalpy(double h, double W)
{
    return orNaN(psychro::TemperatureFromEnthalpy(h, W));
}

// Air beyond saturation is shown at its wet bulb.
void showSaturatedAtWetBulb(AirState &s, double p, bool *supersaturated = nullptr)
{
    const bool beyond = s.W > saturationRatio(s.T, p);
    if (beyond)
        s.T = s.Twb;
    if (supersaturated)
        *supersaturated = beyond;
}

// Air warmed by an electric heater of `power` kW, or passed on unchanged with
// the heater off. Its enthalpy is the energy balance either way.
AirState heated(const AirState &in, double power, double ma, double p)
{
    AirState out = in;
    out.h = power / ma + in.h;
    if (power != 0.0) {
        out.T = temperatureFromEnthalpy(out.h, in.W) - kHeaterReadingDrop;
        out.Twb = wetBulb(out.T, out.W, p, 0.0);
    }
    return out;
}

// The fan: its speed, the air flow it drives and the orifice reading.
void fanAndAirFlow(const UnitInputs &in, UnitResult &r)
{
    r.rpm = static_cast<int>(std::nearbyint(in.fanSetting * 289));   // half to even
    r.f = in.fanSetting * 0.01;
    r.ma = r.f * 1.2;
    // The manometer column rises from its foot along a 2:1 slope with the flow.
    r.manometerX2 = static_cast<float>(unit_scheme::kManometerFoot.x - ((6.6 * r.f) / 0.2) * 100);
    r.manometerY2 = static_cast<float>(unit_scheme::kManometerFoot.y - ((3.3 * r.f) / 0.2) * 100);
    r.dp = std::pow((r.ma / 0.0504) * std::pow(0.875, 0.5), 2);
}

// The outdoor air, from its dry and wet bulb.
AirState outdoorAir(const UnitInputs &in)
{
    const double W1 = orNaN(psychro::HumidityRatioFromWetBulb(in.T1, in.Twb1, in.p));
    return {in.T1, in.Twb1, W1, psychro::MoistAirEnthalpy(in.T1, W1, kOutdoorHeats)};
}

// The steam injection: the generator's steam added to the air.
AirState steamInjection(const AirState &s1, double steamPower, double ma, double p)
{
    if (steamPower == 0.0)
        return s1;
    const double ms = (steamPower / 2592) * 0.83275862069;
    AirState s2;
    s2.W = ms / ma + s1.W;
    s2.h = 2676 * (s2.W - s1.W) + s1.h;
    s2.T = temperatureFromEnthalpy(s2.h, s2.W);
    s2.Twb = wetBulb(s2.T, s2.W, p, s1.Twb);
    showSaturatedAtWetBulb(s2, p);
    return s2;
}

// The preheater; air it takes beyond saturation is shown at its wet bulb and
// raises the warning.
AirState preheater(const AirState &s2, const UnitInputs &in, double ma, bool *supersaturated)
{
    AirState s3 = heated(s2, in.preheatPower, ma, in.p);
    showSaturatedAtWetBulb(s3, in.p, supersaturated);
    return s3;
}

// The cooling coil with its bypass; condensate where the coil is below
// the air's dew point.
void coolingCoil(const UnitInputs &in, UnitResult &r)
{
    r.L = (in.preheatPower + in.steamPower) + in.fanSetting / 4;
    r.Tc = 15 + 0.476 * r.L;
    const AirState &s3 = r.s3;
    AirState &s4 = r.s4;
    s4.T = kBypassFactor * (s3.T - r.Tc) + r.Tc;
    const double Wsc = saturationRatio(r.Tc, in.p);
    s4.W = s3.W > Wsc ? kBypassFactor * (s3.W - Wsc) + Wsc : s3.W;
    s4.Twb = wetBulb(s4.T, s4.W, in.p, 0.0);
    if (s4.T < s4.Twb)
        s4.T = s4.Twb;
    s4.h = psychro::MoistAirEnthalpy(s4.T, s4.W, kCoilOutletHeats);
    r.condensate = r.ma * (s3.W - s4.W) * 3600;
}

// The reheater; air beyond saturation is shown at its wet bulb.
AirState reheater(const AirState &s4, const UnitInputs &in, double ma)
{
    AirState s5 = heated(s4, in.reheatPower, ma, in.p);
    showSaturatedAtWetBulb(s5, in.p);
    return s5;
}

// The air along the duct: fan, outdoor air, steam injection, preheater,
// cooling coil, reheater.
void airSide(const UnitInputs &in, UnitResult &r)
{
    fanAndAirFlow(in, r);
    r.s1 = outdoorAir(in);
    r.s2 = steamInjection(r.s1, in.steamPower, r.ma, in.p);
    r.s3 = preheater(r.s2, in, r.ma, &r.supersaturated);
    coolingCoil(in, r);
    r.s5 = reheater(r.s4, in, r.ma);
}

float chartX(const AirState &s) { return static_cast<float>(chart::xFromDryBulb(s.T)); }
float chartY(const AirState &s) { return static_cast<float>(chart::yFromHumidityRatio(s.W)); }

// A path step from the stored end of the previous one to state s.
FloatLine pathLine(const FloatLine &previous, const AirState &s)
{
    return {previous.X2, previous.Y2, chartX(s), chartY(s)};
}

// The air's path on the chart, A (outdoor) B (after the preheater)
// C (after the coil) D (after the reheater); state 2 is not drawn.
void chartPath(UnitResult &r)
{
    auto &path = r.chartPath;
    const float x1 = chartX(r.s1);
    const float y1 = chartY(r.s1);
    path[0].line = {x1, y1, x1, y1};
    path[1].line = pathLine(path[0].line, r.s3);
    path[2].line = pathLine(path[1].line, r.s4);
    path[3].line = pathLine(path[2].line, r.s5);
    // "A" below its point, "B" above and to the right, "C" below and to the
    // left, "D" below.
    const auto place = [](const FloatLine &l, double dTop, double dLeft) {
        return FloatPlace{static_cast<float>(l.Y2 + dTop), static_cast<float>(l.X2 + dLeft)};
    };
    path[0].letter = place(path[0].line, 50, 0);
    path[1].letter = place(path[1].line, -300, 50);
    path[2].letter = place(path[2].line, 50, -100);
    path[3].letter = place(path[3].line, 50, 0);
}

// The refrigeration cycle: the R12 circuit, from the load figure, the
// outdoor temperature and the heat the air gives up in the coil.
RefrigerationCycle refrigerationCycle(const UnitInputs &in, const UnitResult &r)
{
    const double L = r.L;
    RefrigerationCycle c;
    c.te = 8 + 0.38 * L;
    c.pe = r12::pr12(c.te);
    c.tsuc = c.te + in.sh;
    c.hsuc = r12::hgr12(c.te) + 0.67 * in.sh;
    c.Q = r.ma * (r.s3.h - r.s4.h);
    c.Q = c.Q / 0.98;
    c.tc = 30 + 1.9 * L;
    c.tc = c.tc + (1.42 * in.T1 - 32.8);
    c.pc = r12::pr12(c.tc);
    c.pliq = c.pc - 0.01;
    c.pinlet = c.pe + 0.02;
    c.tdis = c.tc + (25 - L);
    c.hdis = r12::hgr12(c.tc) + 0.75 * (c.tdis - c.tc);
    c.hfc = r12::hgr12(c.tc) - r12::hfgr12(c.tc);
    c.sc = 11 - L;
    c.tliq = c.tc - c.sc;
    c.hliq = c.hfc - 1 * c.sc;
    c.mr = c.Q / (c.hsuc - c.hliq);
    // The float rises 10 twips per g/s above its rest.
    c.floatTop = static_cast<float>(unit_scheme::kFloatRestTop - 10000 * c.mr);
    c.Pcomp = 1.3 * (c.mr * (c.hdis - c.hsuc));
    if (c.Pcomp != 0.0)
        c.COP = c.Q / c.Pcomp;
    return c;
}

// The diagram lines: the cycle on the pressure-enthalpy diagram, at the
// levels of its saturation temperatures; the X values come from the stored
// levels.
void diagramLines(UnitResult &r)
{
    using namespace ph_diagram;
    const auto level = [](double t) { return static_cast<float>(levelY(t)); };
    auto &l = r.diagramLines;
    // Expansion, left of the liquid line at the condensing level.
    l[0].Y1 = level(r.cycle.tc);
    l[0].Y2 = level(r.cycle.te);
    l[0].X1 = static_cast<float>(liquidLineX(l[0].Y1) - kSubcooledOffset);
    l[0].X2 = l[0].X1;
    // Evaporation, to the right of the vapour line.
    l[1].Y1 = l[0].Y2;
    l[1].Y2 = l[0].Y2;
    l[1].X1 = l[0].X1;
    l[1].X2 = static_cast<float>(vapourLineX(l[1].Y1) + kSuperheatedOffset);
    // Compression, ending on its isentrope at the condensing level.
    l[2].Y1 = l[1].Y2;
    l[2].Y2 = l[0].Y1;
    l[2].X1 = l[1].X2;
    l[2].X2 = static_cast<float>(compressionEndX(l[0].Y1));
    // Condensation.
    l[3] = {l[2].X2, l[0].Y1, l[0].X1, l[0].Y1};

    const auto place = [](float top, double dTop, float left, double dLeft) {
        return FloatPlace{static_cast<float>(top + dTop), static_cast<float>(left + dLeft)};
    };
    auto &n = r.diagramFigures;
    n[0] = place(l[1].Y2, 50, l[1].X2, 50);
    n[1] = place(l[2].Y2, -150, l[2].X2, 150);
    n[2] = place(l[3].Y2, -150, l[3].X2, -250);
    n[3] = place(l[1].Y1, 50, l[1].X1, -250);
}

// The element bars: the lit heating elements. The steam generator has two 2-kW
// elements (bars 0, 1) and a 1-kW one (bar 2), so the bars shown add up to
// the selector's kW; the preheater and the reheater have one bar per kW.
ElementBars elementBars(const UnitInputs &in)
{
    static constexpr bool kSteamBars[6][3] = {
        {false, false, false}, {false, false, true}, {true, false, false},
        {true, false, true}, {true, true, false}, {true, true, true},
    };
    static constexpr bool kHeaterBars[3][2] = {{false, false}, {true, false}, {true, true}};
    ElementBars bars;
    if (in.vapor1 >= 0 && in.vapor1 <= 5) {
        for (int i = 0; i < 3; ++i)
            bars[size_t(i)] = kSteamBars[in.vapor1][i];
    }
    const auto heater = [&bars](int position, size_t first) {
        if (position < 0 || position > 2)
            return;
        bars[first] = kHeaterBars[position][0];
        bars[first + 1] = kHeaterBars[position][1];
    };
    heater(in.prec, 3);
    heater(in.rec, 5);
    return bars;
}

} // namespace

UnitResult computeUnit(const UnitInputs &in)
{
    UnitResult r{};
    airSide(in, r);
    chartPath(r);
    r.cycle = refrigerationCycle(in, r);
    diagramLines(r);
    r.elementBars = elementBars(in);
    return r;
}
