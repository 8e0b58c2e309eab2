#!/usr/bin/env python3
# Independent reference values for tests/core/ExtremesTest.cpp, in plain Python
# (no libraries): the samples, Goda's least-squares fits coded apart from the
# program, and maximum-likelihood GEV and GPD fits found by a Hooke-Jeeves
# pattern search (the program uses a simplex and a profile likelihood).
# Run: python3 tests/core/ExtremesReference.py
import math, random
random.seed(12345)
# Annual maxima from a GEV (mu 3, sigma 0.6, xi 0.1), 30 values, 2 decimals.
am = []
for i in range(30):
    u = random.random()
    x = 3 + 0.6/0.1*((-math.log(u))**-0.1 - 1)
    am.append(round(x, 2))
# Storm peaks over 2.0 m: 2 + GPD(sigma 0.5, xi -0.1), 25 values
pk = []
for i in range(25):
    u = random.random()
    y = 0.5/(-0.1)*(u**0.1 - 1)
    pk.append(round(2.0 + y, 2))
print("AM", am)
print("PK", pk)

def hooke(f, x, step, tol=1e-12):
    fx = f(x)
    while max(step) > tol:
        improved = False
        for i in range(len(x)):
            for s in (step[i], -step[i]):
                y = list(x); y[i] += s
                fy = f(y)
                if fy < fx:
                    x, fx = y, fy; improved = True
                    break
        if not improved:
            step = [s*0.5 for s in step]
    return x, fx

def gev_nll(p, data):
    mu, sig, xi = p
    if sig <= 0: return 1e300
    s = len(data)*math.log(sig)
    if abs(xi) < 1e-12:
        return s + sum((x-mu)/sig + math.exp(-(x-mu)/sig) for x in data)
    for x in data:
        z = 1 + xi*(x-mu)/sig
        if z <= 0: return 1e300
        s += (1+1/xi)*math.log(z) + z**(-1/xi)
    return s
best = None
for xi0 in (0.05, 0.15, -0.05):
    p, f = hooke(lambda p: gev_nll(p, am), [3.0, 0.6, xi0], [0.1, 0.1, 0.05])
    for again in range(20):  # restarts: a pattern search can stall on a ridge
        p, f = hooke(lambda q: gev_nll(q, am), p, [0.05, 0.05, 0.05])
    if best is None or f < best[1]: best = (p, f)
p, f = best
print("GEV", p, -f)
mu, sig, xi = p
for R in (2, 5, 10, 25, 50, 100):
    y = -math.log(1-1/R)
    print("GEV R", R, mu + sig/xi*(y**-xi - 1))

u = 2.0
ex = [x-u for x in pk]
def gpd_nll(p):
    sig, xi = p
    if sig <= 0: return 1e300
    s = len(ex)*math.log(sig)
    if abs(xi) < 1e-12: return s + sum(y/sig for y in ex)
    for y in ex:
        z = 1 + xi*y/sig
        if z <= 0: return 1e300
        s += (1/xi+1)*math.log(z)
    return s
p, f = hooke(gpd_nll, [0.5, -0.05], [0.05, 0.05])
print("GPD", p, -f)
sig, xi = p
lam = 25/10.0  # 10 years
for R in (1, 2, 5, 10, 25, 50, 100):
    print("GPD R", R, u + sig/xi*((lam*R)**xi - 1))

# Goda least squares on the peaks, N = NT = 25, K = 10 years
N = len(pk); NT = N; K = 10.0; lam = NT/K
xs = sorted(pk, reverse=True)
mean = sum(xs)/N
sx = math.sqrt(sum((x-mean)**2 for x in xs)/(N-1))
coef = {0: (0.64, 9.0, 0.93, 0.0, 1.33), 0.75: (1.65, 11.4, -0.63, 0.0, 1.15), 1.0: (1.92, 11.4, 0.0, 0.3, 0.9),
        1.4: (2.05, 11.4, 0.69, 0.4, 0.72), 2.0: (2.24, 11.4, 1.34, 0.5, 0.54)}
for k in (0, 0.75, 1.0, 1.4, 2.0):
    if k == 0:
        al, be = 0.44, 0.12
        ys = [-math.log(-math.log(1-(m-al)/(NT+be))) for m in range(1, N+1)]
    else:
        al, be = 0.2+0.27/math.sqrt(k), 0.2+0.23/math.sqrt(k)
        ys = [(-math.log((m-al)/(NT+be)))**(1/k) for m in range(1, N+1)]
    my = sum(ys)/N
    A = sum((x-mean)*(y-my) for x, y in zip(xs, ys))/sum((y-my)**2 for y in ys)
    B = mean - A*my
    r = sum((x-mean)*(y-my) for x, y in zip(xs, ys))/math.sqrt(sum((x-mean)**2 for x in xs)*sum((y-my)**2 for y in ys))
    a1, a2, kap, c, alp = coef[k]
    out = []
    for R in (10, 50, 100):
        if k == 0: yR = -math.log(-math.log(1-1/(lam*R)))
        else: yR = math.log(lam*R)**(1/k)
        a = a1*math.exp(a2*N**-1.3)
        sz = math.sqrt(1 + a*(yR-c)**2)/math.sqrt(N)
        out.append((R, round(A*yR+B, 6), round(sz*sx, 6)))
    print("GODA k", k, "A", round(A, 6), "B", round(B, 6), "r", round(r, 6), out)
