#!/usr/bin/env python3
"""Writes the region address files that ship with the program (app/DOC/).

addr1.dat lists provinces, districts and their dongs ("|" separated, UTF-8 free: the code page is
CP949). ADDR_nn.dat (and the test-server copies TADDR_nn.dat) hold the registered place names of a
province, one per line, each line's CP949 bytes packed as two letters per byte ('A' + low four
bits, then 'A' + high four bits). The content is made up but shaped like real addresses; the fixed
seed keeps the files the same on every run.
"""
import os
import random
import sys

OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "app", "DOC")

# province, file number, district, centre (lng, lat), [(legal dong, administrative dong)], roads
REGIONS = [
    ("서울", 1, "강남구", (127.0473, 37.5172),
     [("역삼동", "역삼1동"), ("논현동", "논현1동"), ("삼성동", "삼성1동"), ("대치동", "대치2동"),
      ("개포동", "개포1동"), ("신사동", "신사동"), ("압구정동", "압구정동"), ("청담동", "청담동")],
     ["테헤란로", "봉은사로", "도산대로", "언주로", "강남대로", "선릉로"]),
    ("서울", 1, "서초구", (127.0327, 37.4837),
     [("서초동", "서초1동"), ("반포동", "반포1동"), ("방배동", "방배1동"), ("양재동", "양재1동"), ("잠원동", "잠원동")],
     ["반포대로", "서초대로", "강남대로", "방배로", "양재대로"]),
    ("서울", 1, "송파구", (127.1059, 37.5145),
     [("잠실동", "잠실본동"), ("문정동", "문정1동"), ("가락동", "가락본동")],
     ["올림픽로", "송파대로", "중대로"]),
    ("경기", 2, "성남시 분당구", (127.1189, 37.3826),
     [("정자동", "정자1동"), ("서현동", "서현1동"), ("수내동", "수내1동")],
     ["정자일로", "분당로", "황새울로"]),
    ("세종", 8, "", (127.2890, 36.4800),
     [("조치원읍", "조치원읍"), ("한솔동", "한솔동"), ("도담동", "도담동")],
     ["한누리대로", "도움1로", "조치원로"]),
    ("부산", 13, "해운대구", (129.1604, 35.1631),
     [("우동", "우1동"), ("중동", "중1동"), ("좌동", "좌1동"), ("재송동", "재송1동"), ("반여동", "반여1동")],
     ["해운대로", "센텀중앙로", "좌동순환로", "구남로", "달맞이길"]),
    ("부산", 13, "수영구", (129.1133, 35.1455),
     [("광안동", "광안1동"), ("남천동", "남천1동"), ("민락동", "민락동"), ("망미동", "망미1동")],
     ["광안해변로", "수영로", "남천동로", "민락수변로"]),
    ("부산", 13, "부산진구", (129.0592, 35.1631),
     [("부전동", "부전1동"), ("전포동", "전포1동"), ("범천동", "범천1동")],
     ["중앙대로", "서면로", "전포대로"]),
]

PLACES = ["아파트", "빌딩", "오피스텔", "타워", "상가", "빌라", "맨션", "센터"]
BRANDS = ["한빛", "푸른솔", "새봄", "해오름", "늘푸른", "청솔", "우림", "동산",
          "보람", "한마음", "미래", "은하", "샘터", "숲속", "햇살", "가람"]
LANDMARKS = ["역", "초등학교", "주민센터", "우체국", "공원", "시장", "병원", "도서관"]


def pack(line):
    out = bytearray()
    for b in line.encode("cp949"):
        out.append(65 + (b & 15))
        out.append(65 + (b >> 4))
    return out.decode("ascii")


def sido_full(p):
    return {"서울": "서울특별시", "경기": "경기도", "세종": "세종특별자치시", "부산": "부산광역시"}[p]


def main():
    rng = random.Random(20261211)
    os.makedirs(OUT, exist_ok=True)
    region_lines = []
    files = {}
    seq = 0
    addr_no = 0
    for province, number, district, (lng, lat), dongs, roads in REGIONS:
        for legal, admin in dongs:
            seq += 1
            region_lines.append(f"{seq}|{province}|{district}|{legal}|{admin}")
        # Entries of one district follow each other; within it they go dong by dong.
        for legal, admin in dongs:
            for k in range(6):
                addr_no += 1
                if k < 2:
                    name = legal[:-1] + LANDMARKS[(addr_no + k) % len(LANDMARKS)]
                    building = name
                else:
                    building = rng.choice(BRANDS) + rng.choice(PLACES)
                    name = building + (f" {rng.randint(101, 115)}동" if building.endswith("아파트") else "")
                main_no, sub_no = rng.randint(1, 980), rng.choice([0, 0, rng.randint(1, 40)])
                lot_no = f"{main_no}-{sub_no}" if sub_no else f"{main_no}"
                road = rng.choice(roads)
                road_no = rng.randint(1, 480)
                area = sido_full(province) + (" " + district if district else "")
                lot = f"{area} {legal} {lot_no}"
                road_addr = f"{area} {road} {road_no}"
                y = lat + rng.uniform(-0.018, 0.018)
                x = lng + rng.uniform(-0.022, 0.022)
                fields = [str(addr_no), str(addr_no % 97 + 1), name, province, district, legal, lot, road_addr,
                          admin, road, building, lot_no, str(road_no), f"{y:.7f}", f"{x:.7f}", name]
                files.setdefault(number, []).append("|".join(fields))
    with open(os.path.join(OUT, "addr1.dat"), "w", encoding="cp949", newline="\r\n") as f:
        f.write("\n".join(region_lines) + "\n")
    for number, lines in files.items():
        for prefix in ("", "T"):
            path = os.path.join(OUT, f"{prefix}ADDR_{number:02d}.dat")
            with open(path, "w", encoding="ascii", newline="\r\n") as f:
                f.write("\n".join(pack(l) for l in lines) + "\n")
    print(f"{len(region_lines)} region lines, {addr_no} addresses", file=sys.stderr)


if __name__ == "__main__":
    main()
