# throttle.py FIFO OUT RATE: drains a qemu pipe at RATE bytes per second into OUT, like a MIDI wire.
import fcntl, os, sys, time

fifo, out, rate = sys.argv[1], sys.argv[2], float(sys.argv[3])
fd = os.open(fifo, os.O_RDONLY)                      # waits until qemu opens its end
fcntl.fcntl(fd, 1031, 4096)                          # F_SETPIPE_SZ: keep the pipe's own buffer small
os.set_blocking(fd, False)
start = last = None
got = 0
with open(out, "wb") as sink:
    while True:
        now = time.monotonic()
        allowed = 64 if start is None else int((now - start) * rate) - got + 1
        if allowed > 0:
            try:
                data = os.read(fd, min(allowed, 4096))
            except BlockingIOError:
                data = None
            if data == b"":
                break                                # qemu has gone
            if data:
                start = now if start is None else start
                got += len(data)
                last = now
                sink.write(data)
                sink.flush()
        time.sleep(0.002)
if start is not None:
    print(f"wire: {got} bytes in {last - start:.2f} s ({got / max(last - start, 1e-9):.0f} bytes per second)")
