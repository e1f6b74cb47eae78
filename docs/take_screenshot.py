#!/usr/bin/env python3
"""Takes docs/zelvio.png: the program (built against a gateway on 127.0.0.1:PORT)
under a private Xvfb, with a stand-in gateway that answers a small portal page.

    docs/take_screenshot.py --program build/e2e/app/zelvio --gateway-host 127.0.0.1:18631
"""

import argparse
import os
import subprocess
import sys
import time

here = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(here, "..", "tests", "e2e"))
import x11session  # noqa: E402

PAGE = """<!DOCTYPE html><html><head><meta charset="utf-8">
<meta name="viewport" content="width=device-width"><style>
body { margin: 0; font: 13px sans-serif; color: #222; }
h1 { margin: 0; padding: 6px 8px; font-size: 15px; color: #fff; background: #1b8fd5; }
ul { margin: 0; padding: 4px 8px; list-style: none; }
li { padding: 5px 0; border-bottom: 1px solid #e3e9ef; }
a { color: #0b4f8a; text-decoration: none; }
p { margin: 6px 8px; color: #666; font-size: 12px; }
</style></head><body>
<h1>手机门户 · 首页</h1>
<ul>
<li><a href="#">今日要闻：3G 网络覆盖再扩大</a></li>
<li><a href="#">体育：周末联赛精彩回顾</a></li>
<li><a href="#">财经：股市早盘行情</a></li>
<li><a href="#">天气：北京 晴 12℃~24℃</a></li>
<li><a href="#">娱乐：新片上映速递</a></li>
<li><a href="#">小说：热门连载更新</a></li>
<li><a href="#">游戏：手机游戏排行榜</a></li>
</ul>
<p>本页经 WAP 网关转换显示</p>
</body></html>"""

CLIENT = (274, 573)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--program", required=True)
    parser.add_argument("--gateway-host", required=True)
    parser.add_argument("--out", default=os.path.join(here, "zelvio.png"))
    args = parser.parse_args()
    host, _, port = args.gateway_host.partition(":")
    if host != "127.0.0.1" or not port.isdigit():
        print("needs a program built for a gateway on 127.0.0.1:PORT")
        return 2

    xvfb = x11session.Xvfb()
    gateway = x11session.Gateway(int(port), lambda path: PAGE)
    screen = x11session.Screen(xvfb.display)
    env = dict(os.environ, DISPLAY=xvfb.display, GDK_BACKEND="x11", NO_AT_BRIDGE="1")
    process = subprocess.Popen([args.program], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                               start_new_session=True)
    try:
        windows = x11session.wait_for(lambda: x11session.visible_windows(xvfb.display, process.pid), 20)
        if not windows:
            print("the window did not appear")
            return 1
        x, y, _, _ = x11session.window_geometry(xvfb.display, windows[0])
        # The portal's blue title bar shows once the page is in.
        loaded = x11session.wait_for(lambda: screen.grab(x + 100, y + 55, 1, 1).pixel(0, 0) == (0x1B, 0x8F, 0xD5),
                                     20, 0.1)
        if not loaded:
            print("the page did not load")
            return 1
        time.sleep(0.5)
        screen.grab(x, y, *CLIENT).save_png(args.out)
        print(f"wrote {args.out}")
        return 0
    finally:
        x11session.stop_process_group(process)
        gateway.stop()
        screen.close()
        xvfb.stop()


if __name__ == "__main__":
    sys.exit(main())
