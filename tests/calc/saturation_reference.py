#!/usr/bin/python3
"""Saturation pressures of the four cubic equations at 50 digits, written
apart from the program: the reference values of
tests/calc/saturation_test.cpp (SaturationReference), recorded from this
script's output. Run with Debian's python3-mpmath (1.2.1):

    /usr/bin/python3 tests/calc/saturation_reference.py

Every equation is taken in the generic form of Smith, Van Ness and Abbott
(Introduction to Chemical Engineering Thermodynamics, 7th ed., ch. 3 and 11):

    P = R T / (V - b) - a(T) / ((V + eps b) (V + sigma b))
    ln phi = Z - 1 - ln(Z - beta) - q I,  beta = b P / (R T),  q = a / (b R T)
    I = ln((Z + sigma beta) / (Z + eps beta)) / (sigma - eps),  or beta / (Z + eps beta) when eps = sigma

with the constants the literature gives each equation, as the program takes
them: R = 0.0831451 bar L/(mol K), and Redlich-Kwong's b with 0.0867 (not
0.08664).
The saturation pressure is where ln phi of the liquid and of the vapour
volume agree; d(ln phi_l - ln phi_v)/d ln P = Z_l - Z_v gives Newton's step.
"""

import mpmath
from mpmath import mpf, sqrt, log

mpmath.mp.dps = 50

R = mpf("0.0831451")

# name: (Tc K, Pc bar, omega), as data/dados.txt ships them.
FLUIDS = {
    "nitrogen": (mpf("126.2"), mpf("33.9961"), mpf("0.0372")),
    "water": (mpf("647.35"), mpf("221.223"), mpf("0.344292")),
}

TEMPERATURES = {
    "nitrogen": ["77.35", "100", "120"],
    "water": ["373.15", "500", "620"],
}


def peng_robinson(t, tc, pc, omega):
    kappa = mpf("0.37464") + mpf("1.54226") * omega - mpf("0.26992") * omega**2
    alpha = (1 + kappa * (1 - sqrt(t / tc))) ** 2
    return (mpf("0.45724") * (R * tc) ** 2 / pc * alpha, mpf("0.07780") * R * tc / pc,
            1 - sqrt(2), 1 + sqrt(2))


def soave_redlich_kwong(t, tc, pc, omega):
    m = mpf("0.480") + mpf("1.574") * omega - mpf("0.176") * omega**2
    alpha = (1 + m * (1 - sqrt(t / tc))) ** 2
    return (mpf("0.42748") * (R * tc) ** 2 / pc * alpha, mpf("0.08664") * R * tc / pc, 0, 1)


def redlich_kwong(t, tc, pc, omega):
    alpha = (t / tc) ** mpf("-0.5")
    return (mpf("0.42748") * (R * tc) ** 2 / pc * alpha, mpf("0.0867") * R * tc / pc, 0, 1)


def van_der_waals(t, tc, pc, omega):
    return (mpf(27) / 64 * (R * tc) ** 2 / pc, mpf(1) / 8 * R * tc / pc, 0, 0)


EQUATIONS = [
    ("PENG_ROBINSON", peng_robinson),
    ("SOAVE_REDLICH_KWONG", soave_redlich_kwong),
    ("REDLICH_KWONG", redlich_kwong),
    ("VAN_DER_WAALS", van_der_waals),
]


def polymul(p, q):
    out = [mpf(0)] * (len(p) + len(q) - 1)
    for i, x in enumerate(p):
        for j, y in enumerate(q):
            out[i + j] += x * y
    return out


def falling_root(f, lo, hi):
    """The root of f, falling from positive at lo to negative at hi:
    bisection, then the secant method to the last digit."""
    for _ in range(30):
        mid = (lo + hi) / 2
        if f(mid) > 0:
            lo = mid
        else:
            hi = mid
    return mpmath.findroot(f, (lo, hi), solver="secant")


class Isotherm:
    def __init__(self, t, a, b, eps, sigma):
        self.t, self.a, self.b, self.eps, self.sigma = t, a, b, eps, sigma
        # dP/dV = 0 where R T ((V + eps b)(V + sigma b))^2 = a (2 V + (eps + sigma) b)(V - b)^2;
        # its two real roots above b bound the liquid and the vapour branch.
        attractive = polymul([1, eps * b], [1, sigma * b])
        left = polymul([R * t], polymul(attractive, attractive))
        right = polymul([a], polymul([2, (eps + sigma) * b], polymul([1, -b], [1, -b])))
        quartic = [x - y for x, y in zip(left, [0] + right)]
        roots = mpmath.polyroots(quartic, maxsteps=200, extraprec=200)
        spinodals = sorted(mpmath.re(r) for r in roots
                           if abs(mpmath.im(r)) < mpf(10) ** -30 and mpmath.re(r) > b)
        assert len(spinodals) == 2, "not below the critical temperature"
        self.v_liquid_spinodal, self.v_vapour_spinodal = spinodals

    def pressure(self, v):
        return R * self.t / (v - self.b) - self.a / ((v + self.eps * self.b) * (v + self.sigma * self.b))

    def volumes(self, p):
        """Liquid and vapour volume at P: where the isotherm, falling on
        either side of the spinodals, passes P; searched in ln(V - b)."""
        b = self.b
        excess = lambda x: self.pressure(b + mpmath.exp(x)) - p
        liquid = falling_root(excess, log(b) - 30, log(self.v_liquid_spinodal - b))
        vapour = falling_root(excess, log(self.v_vapour_spinodal - b), log(R * self.t / p))
        return b + mpmath.exp(liquid), b + mpmath.exp(vapour)

    def ln_phi(self, z, p):
        beta = self.b * p / (R * self.t)
        q = self.a / (self.b * R * self.t)
        if self.eps == self.sigma:
            integral = beta / (z + self.eps * beta)
        else:
            integral = log((z + self.sigma * beta) / (z + self.eps * beta)) / (self.sigma - self.eps)
        return z - 1 - log(z - beta) - q * integral

    def balance(self, ln_p):
        """ln phi_l - ln phi_v at P and its derivative in ln P, Z_l - Z_v."""
        p = mpmath.exp(ln_p)
        z_l, z_v = (p * v / (R * self.t) for v in self.volumes(p))
        return self.ln_phi(z_l, p) - self.ln_phi(z_v, p), z_l - z_v

    def saturation_pressure(self):
        hi = log(self.pressure(self.v_vapour_spinodal))
        p_low = self.pressure(self.v_liquid_spinodal)
        lo = log(p_low) if p_low > 0 else hi - 100
        # Bisection inside the three-root range (the balance falls as P
        # rises), then Newton to the last digit.
        for _ in range(40):
            mid = (lo + hi) / 2
            if self.balance(mid)[0] > 0:
                lo = mid
            else:
                hi = mid
        ln_p = (lo + hi) / 2
        for _ in range(20):
            g, dg = self.balance(ln_p)
            ln_p -= g / dg
            if abs(g) < mpf(10) ** -45:
                return mpmath.exp(ln_p)
        raise RuntimeError("no convergence")


def main():
    print("// equation, fluid, T (K), saturation pressure (bar)")
    for equation, parameters in EQUATIONS:
        for fluid, (tc, pc, omega) in FLUIDS.items():
            for t_text in TEMPERATURES[fluid]:
                t = mpf(t_text)
                p = Isotherm(t, *parameters(t, tc, pc, omega)).saturation_pressure()
                print("{%s, %s, %s, %s}," % (equation, fluid, t_text,
                                             mpmath.nstr(p, 17, min_fixed=-4, max_fixed=6)))


if __name__ == "__main__":
    main()
