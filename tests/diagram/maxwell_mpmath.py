# Maxwell's construction for Peng-Robinson by mpmath, independently of the
# program: the pressure where the areas are equal, solved directly (not
# through fugacities) with 40 digits, the volumes, spinodals and areas.
#   python3 maxwell_mpmath.py T TC PC OMEGA PSAT_GUESS   (K, bar; needs mpmath,
#   Debian's python3-mpmath)
# Nitrogen at 90 K with the shipped constants, as in the diagram scenario:
#   python3 maxwell_mpmath.py 90 126.2 33.9961 0.0372 3.6
from mpmath import mp, mpf, sqrt, log, findroot, polyroots, quad
mp.dps = 40
import sys
R = mpf('0.0831451'); Tc = mpf(sys.argv[2]); Pc = mpf(sys.argv[3]); w = mpf(sys.argv[4]); T = mpf(sys.argv[1])
k = mpf('0.37464') + mpf('1.54226')*w - mpf('0.26992')*w**2
a = mpf('0.45724')*(R*Tc)**2*(1+k*(1-sqrt(T/Tc)))**2/Pc
b = mpf('0.00646868878')*Tc/Pc
P = lambda v: R*T/(v-b) - a/(v*v+2*b*v-b*b)
def roots(p):
    # p (v-b)(v^2+2bv-b^2) - RT (v^2+2bv-b^2) + a (v-b)
    # expand (v-b)(v^2+2bv-b^2) = v^3 + b v^2 - 3 b^2 v + b^3
    c = [p, p*b - R*T, -3*p*b*b - 2*b*R*T + a, p*b**3 + R*T*b*b - a*b]
    r = sorted([x.real for x in polyroots(c, maxsteps=200, extraprec=200) if abs(x.imag) < mpf(10)**-20])
    return r
def imbalance(p):
    vl, vm, vv = roots(p)
    return quad(P, [vl, vm, vv]) - p*(vv-vl)
psat = findroot(imbalance, mpf(sys.argv[5]))
vl, vm, vv = roots(psat)
dP = lambda v: -R*T/(v-b)**2 + a*(2*v+2*b)/(v*v+2*b*v-b*b)**2
sl = findroot(dP, (vl, vm), solver="anderson"); sv = findroot(dP, (vm, vv), solver="anderson")
print('psat', mp.nstr(psat, 12), 'vl', mp.nstr(vl, 12), 'vm', mp.nstr(vm,12), 'vv', mp.nstr(vv, 12))
print('spinodals', mp.nstr(sl, 10), mp.nstr(P(sl), 10), mp.nstr(sv, 10), mp.nstr(P(sv), 10))
print('areas J/mol', mp.nstr(100*(psat*(vm-vl)-quad(P,[vl,vm])), 12), mp.nstr(100*(quad(P,[vm,vv])-psat*(vv-vm)), 12))
