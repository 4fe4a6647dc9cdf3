unit Journal;

{ The greenhouse journal: numbered lines on the console, and the counts that
  the gardener types. }

interface

procedure Note(const Line: string);
function Pad(const Text: string; Width: Integer): string;
function ReadCount(const Text: string): Integer;

implementation

uses
  SysUtils;

var
  Written: Integer;

procedure Note(const Line: string);
begin
  Inc(Written);
  WriteLn(Format('%.3d  %s', [Written, Line]));
end;

function Pad(const Text: string; Width: Integer): string;
begin
  Result := Text;
  while Length(Result) < Width do
    Result := Result + ' ';
end;

{ A count is a whole number, not below zero; blanks around it do not count. }
function ReadCount(const Text: string): Integer;
begin
  if not TryStrToInt(Trim(Text), Result) then
    raise EConvertError.CreateFmt('not a count: "%s"', [Text]);
  if Result < 0 then
    raise EConvertError.CreateFmt('a count cannot be negative: %d', [Result]);
end;

end.
