unit Lumbrick;

{ Test stand-in for the error-catching library: VIX records the routine
  names that the protective blocks push, innermost first; compiled with
  -dPRINTPUSH it also prints each name as it is pushed. }

interface

type
  TLumbrick = class
  public
    Chain: string;
    procedure Push(const RoutineName: string);
  end;

var
  VIX: TLumbrick;

implementation

procedure TLumbrick.Push(const RoutineName: string);
begin
{$IFDEF PRINTPUSH}
  WriteLn('VIX.Push(''', RoutineName, ''')');
{$ENDIF}
  if Chain <> '' then
    Chain := Chain + ' < ';
  Chain := Chain + RoutineName;
end;

initialization
  VIX := TLumbrick.Create;
finalization
  VIX.Free;
end.
