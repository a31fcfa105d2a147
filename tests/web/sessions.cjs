// Scripted sessions for the web edition, each compared byte for byte with the
// console program. A session is its reply lines, typed one by one (Enter
// after each), then optionally `tail`, typed without a line end, and then the
// end of input. `status`, `diagnostic` (the first line on standard error)
// and `shows` say what the console program must do with it, so that a
// session cannot quietly stop testing what its name says.
'use strict';

// One analysis: Enter at the title and the info screen, the replies, Enter
// at the end-of-analysis screen.
const analysis = (...replies) => ['', '', ...replies, ''];

const sessions = [
  {
    name: 'high seas: rules 9 and 10, 12 in every case, 13, 18, 14/15, ended by 0',
    typeAhead: true,
    lines: [
      ...analysis('2', '2', '2', '1', '1', '1', '1', '2'),
      ...analysis('2', '2', '2', '1', '1', '1', '2', '1'),
      ...analysis('2', '2', '2', '1', '1', '1', '2', '2', '1'),
      ...analysis('2', '2', '2', '1', '1', '1', '1', '1', '2'),
      ...analysis('2', '2', '2', '1', '1', '1', '1', '3', '2'),
      ...analysis('2', '2', '2', '1', '1', '1', '1', '4', '1'),
      ...analysis('2', '2', '2', '1', '1', '1', '2', '3', '2'),
      ...analysis('2', '2', '2', '1', '1', '1', '2', '4', '1'),
      ...analysis('1', '1', '1', '2', '2', '2', '2', '3', '1', '2'),
      ...analysis('2', '3', '2', '3', '3', '3', '1', '3'),
      ...analysis('1', '2', '2', '2', '3', '2', '3', '1', '1'),
      ...analysis('2', '6', '2', '1', '1', '1'),
      ...analysis('1', '1', '6', '2', '2', '3', '1', '1', '1'),
      ...analysis('1', '2', '1', '2', '2', '2', '3', '3', '1', '1'),
      '', '', '0',
    ],
    status: 0,
    shows: [
      'Regel 12a(i): A', 'Regel 12a(i): B', 'Regel 12a(ii): A', 'Regel 12a(ii): B',
      'Regel 12a(iii): A', 'Regel 12a(i,ii): A', 'Regel 12a(i,ii): B', 'Regel 2(a)',
      'Regel 13: A', 'Regel 13: B', 'A muss Queren vermeiden', 'A ist also NICHT Kurshalter',
      'B darf beim Queren des FW A', 'Regel 14 - Entgegengesetzte',
      'Ende des Programms',
    ],
  },
  {
    name: 'waterways: its own verdicts and the hand-overs, ended by a negative answer',
    typeAhead: true,
    lines: [
      ...analysis('2', '4', '1'),
      ...analysis('1', '1', '6', '1'),
      ...analysis('2', '2', '1', '4', '3', '1'),
      ...analysis('2', '2', '1', '2', '4', '1'),
      ...analysis('1', '2', '1', '1', '1', '3', '3', '2'),
      ...analysis('1', '1', '3', '1', '2', '2', '3'),
      ...analysis('1', '1', '1', '1', '1', '4', '1'),
      ...analysis('2', '5', '1', '2', '3', '1'),
      ...analysis('1', '2', '1', '2', '1', '3', '4', '1', '2'),
      ...analysis('2', '3', '1', '4', '4', '1', '3'),
      // Both winds from port, left by a rule 12 analysis: the crash gybe.
      ...analysis('2', '2', '2', '1', '1', '1', '1', '1', '2'),
      ...analysis('2', '2', '1', '4', '4', '1', '1', '2', '2'),
      ...analysis('1', '1', '5', '1', '3', '3', '1', '1', '2', '3'),
      ...analysis('1', '1', '3', '1', '3', '3', '1', '1', '2', '1'),
      ...analysis('1', '2', '2', '1', '3', '3', '1', '1', '1'),
      ...analysis('2', '2', '1', '3', '2', '1', '1', '1', '1', '2'),
      ...analysis('2', '2', '1', '3', '1', '1', '1', '1', '2'),
      ...analysis('2', '2', '1', '1', '3', '1', '1', '2', '1'),
      ...analysis('2', '1', '1', '1', '2', '2', '1', '1', '1'),
      '', '', '2', '-3',
    ],
    status: 0,
    shows: [
      'B gilt als manoevrierbehindert', 'Der Tiefgangbehinderte zeigt sich', 'A hat Vorfahrt',
      'B hat Vorfahrt', '# 25(4):', '# 25(2):', '# 23:', 'Patenthalse', '# 25(5):',
      '(B als Fischer darf', '(B darf dabei ein grosses', '# 25(3): ', '(Aber: A folgt',
      '(Aber: B folgt', '... beide Schiffe im Fahrwasser.', 'Ende des Programms',
    ],
  },
  {
    name: 'fog: rule 19 alone, the radar and the listening watch, also after a hand-over',
    lines: [
      ...analysis('1', '1', '1', '1', '2', '1', '2', '1'),
      ...analysis('2', '5', '2', '3', '1', '1', '2', '2', '2'),
      ...analysis('2', '4', '2', '1', '2', '2', '1'),
      ...analysis('1', '2', '3', '1', '1', '2', '2', '2', '1'),
      // The radar table reached from the waterways through the hand-over:
      // the longest chain of calls of the analyses.
      ...analysis('1', '2', '3', '1', '1', '2', '2', '2', '2'),
    ],
    status: 2,
    diagnostic: 'read start: end of file',
    shows: ['Regel 19: Jeder muss', 'Von wo aus sehen Sie', 'Von wo aus hoeren Sie', '# 21:'],
  },
  {
    name: 'reply forms and refusals, then a reply that is not an integer',
    lines: [
      'text at the title', '0 at the info screen',
      '3*2', '7', '123456789', '  2', ',', '       12', '+1', '01', '2x',
      '', '', '', '', '',
      '2.0',
    ],
    status: 2,
    diagnostic: 'invalid integer: read unexpected character',
    shows: ['falsche Eingabe : 7', 'falsche Eingabe : 12345678'],
  },
  {
    name: 'a reply that is not a number',
    lines: ['', '', 'x'],
    status: 2,
    diagnostic: 'invalid number: incomprehensible list input',
  },
  {
    name: 'the input ends inside a reply',
    lines: ['', '', '1'],
    tail: '2',
    status: 2,
    diagnostic: 'fmt: end of file',
  },
];

// The bytes that the console program reads for a session.
function input(session) {
  return Buffer.from(session.lines.map((line) => line + '\n').join('') + (session.tail || ''));
}

module.exports = { sessions, input, analysis };
