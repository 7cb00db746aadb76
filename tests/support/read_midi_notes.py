#!/usr/bin/python3
"""Reads a MIDI file with an independent reader (mido) and prints its notes, one a line:
start tick, end tick, key, bend (0..16383). Fails unless the file is format 0 with one
track, a millisecond tick, a plucked-string program and the 2-semitone bend range first."""
import sys
import mido

def main(path, program):
    f = mido.MidiFile(path)
    assert f.type == 0 and len(f.tracks) == 1, (f.type, len(f.tracks))
    assert f.ticks_per_beat == 1000, f.ticks_per_beat
    t, bend, started, notes, controls, seen = 0, 8192, None, [], [], set()
    for m in f.tracks[0]:
        t += m.time
        seen.add(m.type)
        if m.type == 'set_tempo':
            assert m.tempo == 1000000, m.tempo
        elif m.type == 'program_change':
            assert m.program == program - 1 and not started, m
        elif m.type == 'control_change':
            controls.append((m.control, m.value))
        elif m.type == 'pitchwheel':
            bend = m.pitch + 8192
        elif m.type == 'note_on' and m.velocity > 0:
            assert not started, 'one voice: a note starts while another sounds'
            started = (t, m.note, bend)
        elif m.type in ('note_off', 'note_on'):
            assert started and started[1] == m.note, m
            notes.append((started[0], t, started[1], started[2]))
            started = None
    assert not started, 'a note never ends'
    assert controls[:4] == [(101, 0), (100, 0), (6, 2), (38, 0)], controls
    assert {'track_name', 'set_tempo', 'program_change', 'end_of_track'} <= seen, seen
    for n in notes:
        print(*n)

if __name__ == '__main__':
    main(sys.argv[1], int(sys.argv[2]))
