#!/usr/bin/env bash
# Makes a demo tape group in the folder given: three short spoken tracks, a
# playlist of them, a draft of tip 2, and a .grp file that resumes at tip
# 2, zero mark 0:03.
set -euo pipefail
demo=${1:?usage: make-demo.sh FOLDER}
mkdir -p "$demo"
demo=$(cd "$demo" && pwd)

texts=(
  "Tip one. The quick brown fox jumps over the lazy dog. Every good transcriber checks each word twice before moving on to the next sentence."
  "Tip two. Here the speaker pauses, and picks up the thread again. Press space to pause, and Cuedeck steps back by the back time so that you hear the last words once more."
  "Tip three. The last tip of the demo group. Press N for the next tip, P for the last one, and Z to set the zero mark where you are."
)
playlist="$demo/demo tips.m3u"
echo "#EXTM3U" > "$playlist"
for i in 0 1 2; do
  track="$demo/tip $((i + 1)).wav"
  espeak-ng -s 140 -w "$track" "${texts[$i]}"
  echo "$track" >> "$playlist"
done
# A recognizer's draft of tip 2 beside it, as whisper writes SRT: Cuedeck
# shows it under the position bar (X, C and V step through its cues).
cat > "$demo/tip 2.srt" <<'SRT'
1
00:00:00,000 --> 00:00:01,100
Tip two.

2
00:00:01,100 --> 00:00:04,900
Here the speaker pauses, and picks up the thread again.

3
00:00:04,900 --> 00:00:08,600
Press space to pause, and Cuedeck steps back by the back time

4
00:00:08,600 --> 00:00:11,500
so that you hear the last words once more.
SRT
printf '%s\n2\n0:03\n' "$playlist" > "$demo/demo.grp"
echo "$demo/demo.grp"
