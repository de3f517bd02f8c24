#!/usr/bin/env python3
"""Writes data/shanghai-walk.nmea: a five-minute walk around People's Square, Shanghai, one
fix a second (RMC and GGA sentences), for the client's location source in demos and tests."""
import math
import sys

# Corners of the walk (latitude, longitude), clockwise from the metro exit on Xizang Road.
ROUTE = [
    (31.23390, 121.47610),
    (31.23390, 121.47040),
    (31.22960, 121.47040),
    (31.22960, 121.47610),
    (31.23390, 121.47610),
]
SPEED = 1.5  # metres a second
SECONDS = 300
EARTH = 6378137.0


def checksum(body):
    c = 0
    for ch in body:
        c ^= ord(ch)
    return "%02X" % c


def metres(a, b):
    dlat = math.radians(b[0] - a[0]) * EARTH
    dlon = math.radians(b[1] - a[1]) * EARTH * math.cos(math.radians(a[0]))
    return math.hypot(dlat, dlon)


def bearing(a, b):
    dlat = b[0] - a[0]
    dlon = (b[1] - a[1]) * math.cos(math.radians(a[0]))
    return (math.degrees(math.atan2(dlon, dlat)) + 360) % 360


def position_at(distance):
    total = sum(metres(ROUTE[i], ROUTE[i + 1]) for i in range(len(ROUTE) - 1))
    distance %= total
    for i in range(len(ROUTE) - 1):
        leg = metres(ROUTE[i], ROUTE[i + 1])
        if distance <= leg:
            f = distance / leg
            a, b = ROUTE[i], ROUTE[i + 1]
            return (a[0] + (b[0] - a[0]) * f, a[1] + (b[1] - a[1]) * f), bearing(a, b)
        distance -= leg
    return ROUTE[-1], 0.0


def nmea_angle(value, width):
    degrees = int(abs(value))
    minutes = (abs(value) - degrees) * 60
    return "%0*d%07.4f" % (width, degrees, minutes)


def main(path):
    lines = []
    start = 9 * 3600  # 09:00:00 UTC, 17:00 in Shanghai
    for second in range(SECONDS):
        (lat, lon), course = position_at(second * SPEED)
        t = start + second
        hhmmss = "%02d%02d%02d.00" % (t // 3600, (t // 60) % 60, t % 60)
        lat_text, lon_text = nmea_angle(lat, 2), nmea_angle(lon, 3)
        knots = SPEED * 1.943844
        rmc = "GPRMC,%s,A,%s,N,%s,E,%.2f,%.1f,061226,,,A" % (hhmmss, lat_text, lon_text, knots, course)
        gga = "GPGGA,%s,%s,N,%s,E,1,08,0.9,8.0,M,9.0,M,," % (hhmmss, lat_text, lon_text)
        lines.append("$%s*%s" % (rmc, checksum(rmc)))
        lines.append("$%s*%s" % (gga, checksum(gga)))
    with open(path, "w", newline="\r\n") as f:
        f.write("\n".join(lines) + "\n")


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "data/shanghai-walk.nmea")
